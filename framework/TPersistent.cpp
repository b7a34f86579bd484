#include "TPersistent.h"

#include "RTLConsts.h"
#include "TypInfo.h"

TAWO_IMPLEMENT_CLASS(TPersistent)

void TPersistent::Assign(TPersistent* source) {
  if (source == nullptr) AssignError(nullptr);
  source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* dest) { dest->AssignError(this); }

void TPersistent::AssignError(const TPersistent* source) const {
  const AnsiString sourceName = source != nullptr ? source->ClassName() : AnsiString("nil");
  throw EConvertError(Format(SAssignError, {sourceName, ClassName()}));
}

AnsiString TPersistent::GetNamePath() const {
  AnsiString result = ClassName();
  if (const TPersistent* owner = GetOwner()) {
    const AnsiString ownerPath = owner->GetNamePath();
    if (!ownerPath.empty()) result = ownerPath + "." + result;
  }
  return result;
}

void TPersistent::DefineProperties(TFiler&) {}
