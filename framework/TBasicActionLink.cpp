#include "TBasicActionLink.h"

#include "TBasicAction.h"

TAWO_IMPLEMENT_CLASS(TBasicActionLink)

TBasicActionLink::~TBasicActionLink() {
  if (FAction != nullptr) FAction->UnRegisterChanges(this);
}

void TBasicActionLink::SetAction(TBasicAction* action) {
  if (action == FAction) return;
  if (FAction != nullptr) FAction->UnRegisterChanges(this);
  FAction = action;
  if (FAction != nullptr) FAction->RegisterChanges(this);
}

bool TBasicActionLink::Execute() { return FAction != nullptr && FAction->Execute(); }

bool TBasicActionLink::Update() { return FAction != nullptr && FAction->Update(); }
