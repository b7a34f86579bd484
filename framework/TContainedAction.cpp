#include "TContainedAction.h"

#include "Forms.h"
#include "TApplication.h"
#include "TCustomActionList.h"

TAWO_IMPLEMENT_CLASS(TContainedAction)

TContainedAction::~TContainedAction() { SetActionList(nullptr); }

void TContainedAction::SetActionList(TCustomActionList* list) {
  if (list == FActionList) return;
  if (FActionList != nullptr) FActionList->RemoveAction(this);
  if (list != nullptr) list->AddAction(this);
}

void TContainedAction::SetCategory(const AnsiString& category) {
  if (category == FCategory) return;
  FCategory = category;
  Change();
}

int TContainedAction::Index() const { return FActionList != nullptr ? FActionList->IndexOf(this) : -1; }

TComponent* TContainedAction::GetParentComponent() const { return FActionList; }

void TContainedAction::SetParentComponent(TComponent* parent) {
  if (auto* list = dynamic_cast<TCustomActionList*>(parent)) SetActionList(list);
}

bool TContainedAction::Execute() {
  return inherited::Execute() || (Application != nullptr && Application->ExecuteAction(this));
}
