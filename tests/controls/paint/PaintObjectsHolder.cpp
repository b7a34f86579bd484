#include "PaintObjectsHolder.h"

#include <TypInfo.h>

TAWO_PUBLISHED(TPaintObjectsHolder, published) {
  published.Property("Gradient", &TPaintObjectsHolder::Gradient, &TPaintObjectsHolder::SetGradient);
  published.Property("Bevel", &TPaintObjectsHolder::Bevel, &TPaintObjectsHolder::SetBevel);
  published.Property("SimpleBevel", &TPaintObjectsHolder::SimpleBevel, &TPaintObjectsHolder::SetSimpleBevel);
  published.Property("FillObject", &TPaintObjectsHolder::FillObject, &TPaintObjectsHolder::SetFillObject);
}

TPaintObjectsHolder::TPaintObjectsHolder(TComponent* owner) : TComponent(owner) {
  FGradient->OnChange = TNotifyEvent(this, &TPaintObjectsHolder::Changed);
  FBevel->OnChange = TNotifyEvent(this, &TPaintObjectsHolder::Changed);
  FSimpleBevel->OnChange = TNotifyEvent(this, &TPaintObjectsHolder::Changed);
  FFillObject->OnChange = TNotifyEvent(this, &TPaintObjectsHolder::Changed);
}

TPaintObjectsHolder::~TPaintObjectsHolder() {
  FGradient->OnChange.Clear();
  FBevel->OnChange.Clear();
  FSimpleBevel->OnChange.Clear();
  FFillObject->OnChange.Clear();
}
