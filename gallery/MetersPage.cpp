#include "MetersPage.h"

#include "GalleryPages.h"
#include "PageTexts.h"

#include <LMDProgressFill.h>

TAWO_IMPLEMENT_CLASS(TMetersPage)

TMetersPage::TMetersPage(TComponent* owner) : TForm(owner) {
  LoadGalleryPage(this, kMetersPageText);
  timer.Start(kInterval, TNotifyEvent(this, &TMetersPage::Advance));
}

void TMetersPage::Advance(TObject*) {
  for (int i = 0; i < ComponentCount(); ++i) {
    auto* fill = dynamic_cast<TLMDProgressFill*>(Components(i));
    if (fill == nullptr) continue;
    const int32_t next = fill->UserValue() + (fill->MaxValue() - fill->MinValue()) / 20;
    fill->SetUserValue(next > fill->MaxValue() ? fill->MinValue() : next);
  }
}
