#include "FramesPage.h"

#include "GalleryPages.h"
#include "PageTexts.h"

TAWO_IMPLEMENT_CLASS(TFramesPage)

TFramesPage::TFramesPage(TComponent* owner) : TForm(owner) { LoadGalleryPage(this, kFramesPageText); }
