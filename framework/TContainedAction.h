// Unit ActnList: TContainedAction, an action that belongs to an action list, which is its
// parent in form descriptions.
#pragma once

#include "TBasicAction.h"

class TCustomActionList;

class TContainedAction : public TBasicAction {
  TAWO_CLASS(TContainedAction, TBasicAction)

 public:
  explicit TContainedAction(TComponent* owner) : TBasicAction(owner) {}
  // Leaves its action list.
  ~TContainedAction() override;

  TCustomActionList* ActionList() const { return FActionList; }
  void SetActionList(TCustomActionList* list);
  const AnsiString& Category() const { return FCategory; }
  void SetCategory(const AnsiString& category);
  // Position in the action list; -1 without one.
  int Index() const;

  // OnExecute, or else the application offers the action to its forms' controls.
  bool Execute() override;

  bool HasParent() const override { return FActionList != nullptr; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;

 private:
  friend class TCustomActionList;
  TCustomActionList* FActionList = nullptr;
  AnsiString FCategory;
};
