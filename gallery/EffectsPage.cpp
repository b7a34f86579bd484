#include "EffectsPage.h"

#include "GalleryPages.h"
#include "PageTexts.h"

TAWO_IMPLEMENT_CLASS(TEffectsPage)

TEffectsPage::TEffectsPage(TComponent* owner) : TForm(owner) { LoadGalleryPage(this, kEffectsPageText); }
