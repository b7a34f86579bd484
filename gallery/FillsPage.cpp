#include "FillsPage.h"

#include "GalleryPages.h"
#include "PageTexts.h"

TAWO_IMPLEMENT_CLASS(TFillsPage)

TFillsPage::TFillsPage(TComponent* owner) : TForm(owner) { LoadGalleryPage(this, kFillsPageText); }
