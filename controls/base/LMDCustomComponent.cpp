#include "LMDCustomComponent.h"

#include <TypInfo.h>

TAWO_IMPLEMENT_CLASS(TLMDCustomComponent)

void TLMDCustomComponent::EndUpdate(bool doChange) {
  FUpdating = false;
  if (doChange) Change();
}

void TLMDCustomComponent::GetChange(TObject*) { Change(); }

void TLMDCustomComponent::Change() {
  if (!FUpdating && OnChange.Assigned()) OnChange(this);
}
