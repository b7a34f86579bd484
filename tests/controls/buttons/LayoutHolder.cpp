#include "LayoutHolder.h"

#include <TypInfo.h>

TAWO_PUBLISHED(TLayoutHolder, published) {
  published.Property("Layout", &TLayoutHolder::Layout, &TLayoutHolder::SetLayout);
  published.Property("ButtonLayout", &TLayoutHolder::ButtonLayout, &TLayoutHolder::SetButtonLayout);
}

TLayoutHolder::TLayoutHolder(TComponent* owner) : TComponent(owner) {
  FLayout->OnChange = TNotifyEvent(this, &TLayoutHolder::Changed);
  FButtonLayout->OnChange = TNotifyEvent(this, &TLayoutHolder::Changed);
}

TLayoutHolder::~TLayoutHolder() {
  FLayout->OnChange.Clear();
  FButtonLayout->OnChange.Clear();
}
