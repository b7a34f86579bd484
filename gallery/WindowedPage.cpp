#include "WindowedPage.h"

#include "GalleryPages.h"
#include "PageTexts.h"

#include <SysUtils.h>
#include <TLabel.h>

TAWO_PUBLISHED(TWindowedPage, published) {
  published.Field("Count", &TWindowedPage::Count);
  published.Method("RepeatClick", &TWindowedPage::RepeatClick);
}

TWindowedPage::TWindowedPage(TComponent* owner) : TForm(owner) { LoadGalleryPage(this, kWindowedPageText); }

void TWindowedPage::RepeatClick(TObject*) {
  ++clicks;
  Count->SetCaption(Format("Klikni\xEA" "cia: %d", {clicks}));
}
