#include "LayoutsPage.h"

#include "GalleryPages.h"
#include "PageTexts.h"

TAWO_IMPLEMENT_CLASS(TLayoutsPage)

TLayoutsPage::TLayoutsPage(TComponent* owner) : TForm(owner) { LoadGalleryPage(this, kLayoutsPageText); }
