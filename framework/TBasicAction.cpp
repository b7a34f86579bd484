#include "TBasicAction.h"

#include "TBasicActionLink.h"

#include <algorithm>

using enum TOperation;

TAWO_IMPLEMENT_CLASS(TBasicAction)

TBasicAction::~TBasicAction() {
  while (!FClients.empty()) UnRegisterChanges(FClients.back());
}

bool TBasicAction::Execute() {
  if (!OnExecute.Assigned()) return false;
  OnExecute(this);
  return true;
}

bool TBasicAction::Update() {
  if (!OnUpdate.Assigned()) return false;
  OnUpdate(this);
  return true;
}

void TBasicAction::SetActionComponent(TComponent* component) {
  if (component == FActionComponent) return;
  if (FActionComponent != nullptr) FActionComponent->RemoveFreeNotification(this);
  FActionComponent = component;
  if (FActionComponent != nullptr) FActionComponent->FreeNotification(this);
}

void TBasicAction::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == opRemove && component == FActionComponent) FActionComponent = nullptr;
}

void TBasicAction::RegisterChanges(TBasicActionLink* link) {
  link->FAction = this;
  if (std::find(FClients.begin(), FClients.end(), link) == FClients.end()) FClients.push_back(link);
}

void TBasicAction::UnRegisterChanges(TBasicActionLink* link) {
  if (std::erase(FClients, link) > 0) link->FAction = nullptr;
}

void TBasicAction::Change() { OnChange(this); }
