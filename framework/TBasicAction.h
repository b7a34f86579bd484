// Unit Classes: TBasicAction, a command that several clients (controls, menu items) share
// through their links.
#pragma once

#include "TComponent.h"

#include <vector>

class TBasicActionLink;

class TBasicAction : public TComponent {
  TAWO_CLASS(TBasicAction, TComponent)

 public:
  explicit TBasicAction(TComponent* owner) : TComponent(owner) {}
  // Detaches every link still registered.
  ~TBasicAction() override;

  // Runs OnExecute; false when it is not assigned.
  virtual bool Execute();
  // Runs OnUpdate; false when it is not assigned.
  virtual bool Update();
  // Whether the action can act on `target` (a control that handles it, e.g. a status bar).
  virtual bool HandlesTarget(TObject*) { return false; }
  virtual void ExecuteTarget(TObject*) {}

  // The client that executes the action right now (set by the link's owner).
  TComponent* ActionComponent() const { return FActionComponent; }
  void SetActionComponent(TComponent* component);

  void RegisterChanges(TBasicActionLink* link);
  void UnRegisterChanges(TBasicActionLink* link);
  int ClientCount() const { return static_cast<int>(FClients.size()); }
  TBasicActionLink* Clients(int index) const { return FClients.at(index); }

  TNotifyEvent OnExecute;
  TNotifyEvent OnUpdate;
  TNotifyEvent OnChange;

 protected:
  virtual void Change();
  void Notification(TComponent* component, TOperation operation) override;

 private:
  std::vector<TBasicActionLink*> FClients;
  TComponent* FActionComponent = nullptr;
};
