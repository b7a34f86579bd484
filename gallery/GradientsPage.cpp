#include "GradientsPage.h"

#include "GalleryPages.h"
#include "PageTexts.h"

TAWO_IMPLEMENT_CLASS(TGradientsPage)

TGradientsPage::TGradientsPage(TComponent* owner) : TForm(owner) { LoadGalleryPage(this, kGradientsPageText); }
