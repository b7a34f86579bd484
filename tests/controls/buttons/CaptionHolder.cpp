#include "CaptionHolder.h"

#include <TypInfo.h>

TAWO_PUBLISHED(TCaptionHolder, published) {
  published.Property("Font3D", &TCaptionHolder::Font3D, &TCaptionHolder::SetFont3D);
  published.Property("FontFX", &TCaptionHolder::FontFX, &TCaptionHolder::SetFontFX);
}

TCaptionHolder::TCaptionHolder(TComponent* owner) : TComponent(owner) {
  FFont3D->OnChange = TNotifyEvent(this, &TCaptionHolder::Changed);
  FFontFX->OnChange = TNotifyEvent(this, &TCaptionHolder::Changed);
}

TCaptionHolder::~TCaptionHolder() {
  FFont3D->OnChange.Clear();
  FFontFX->OnChange.Clear();
}
