#include "LMDObject.h"

#include <TypInfo.h>

TAWO_IMPLEMENT_CLASS(TLMDObject)

void TLMDObject::EndUpdate(bool doChange) {
  FUpdating = false;
  if (doChange) Change();
}

void TLMDObject::GetChange(TObject*) { Change(); }

void TLMDObject::Change() {
  if (!FUpdating && OnChange.Assigned()) OnChange(this);
}

AnsiString TLMDObject::GetSetStr() const { return AnsiString(); }
