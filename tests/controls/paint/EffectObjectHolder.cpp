#include "EffectObjectHolder.h"

#include <TypInfo.h>

TAWO_PUBLISHED(TEffectObjectHolder, published) {
  published.Property("Effect", &TEffectObjectHolder::Effect, &TEffectObjectHolder::SetEffect);
}

TEffectObjectHolder::TEffectObjectHolder(TComponent* owner) : TComponent(owner) {
  FEffect->OnChange = TNotifyEvent(this, &TEffectObjectHolder::Changed);
}

TEffectObjectHolder::~TEffectObjectHolder() { FEffect->OnChange.Clear(); }
