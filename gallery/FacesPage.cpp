#include "FacesPage.h"

#include "GalleryPages.h"
#include "PageTexts.h"

TAWO_IMPLEMENT_CLASS(TFacesPage)

TFacesPage::TFacesPage(TComponent* owner) : TForm(owner) { LoadGalleryPage(this, kFacesPageText); }
