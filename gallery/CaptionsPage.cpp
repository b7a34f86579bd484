#include "CaptionsPage.h"

#include "GalleryPages.h"
#include "PageTexts.h"

TAWO_IMPLEMENT_CLASS(TCaptionsPage)

TCaptionsPage::TCaptionsPage(TComponent* owner) : TForm(owner) { LoadGalleryPage(this, kCaptionsPageText); }
