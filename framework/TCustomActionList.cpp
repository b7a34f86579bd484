#include "TCustomActionList.h"

#include "TCustomAction.h"
#include "TCustomImageList.h"

#include <algorithm>

using enum TOperation;

TAWO_IMPLEMENT_CLASS(TCustomActionList)

TCustomActionList::~TCustomActionList() {
  while (!FActions.empty()) FActions.back()->SetActionList(nullptr);
}

int TCustomActionList::IndexOf(const TContainedAction* action) const {
  const auto found = std::find(FActions.begin(), FActions.end(), action);
  return found != FActions.end() ? static_cast<int>(found - FActions.begin()) : -1;
}

void TCustomActionList::AddAction(TContainedAction* action) {
  FActions.push_back(action);
  action->FActionList = this;
}

void TCustomActionList::RemoveAction(TContainedAction* action) {
  if (std::erase(FActions, action) == 0) return;
  action->FActionList = nullptr;
}

void TCustomActionList::SetImages(TCustomImageList* images) {
  if (images == FImages) return;
  if (FImages != nullptr) FImages->RemoveFreeNotification(this);
  FImages = images;
  if (FImages != nullptr) FImages->FreeNotification(this);
  ImagesChanged();
}

void TCustomActionList::ImagesChanged() {
  for (TContainedAction* action : FActions) {
    if (auto* custom = dynamic_cast<TCustomAction*>(action)) custom->ImagesChanged();
  }
  OnChange(this);
}

void TCustomActionList::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == opRemove && component == FImages) {
    FImages = nullptr;
    ImagesChanged();
  }
}

void TCustomActionList::GetChildren(const TGetChildProc& proc, TComponent* root) {
  for (TContainedAction* action : FActions) {
    if (action->Owner() == root) proc(action);
  }
}
