#include "LMDChangeLink.h"

#include "LMDBaseContainer.h"

#include <TypInfo.h>

TAWO_IMPLEMENT_CLASS(TLMDChangeLink)

TLMDChangeLink::~TLMDChangeLink() {
  if (FSender) FSender->UnRegisterChanges(this);
}

void TLMDChangeLink::Change() {
  if (OnChange.Assigned()) OnChange(FSender);
}
