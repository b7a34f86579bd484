// Unit Classes: TBasicActionLink, a client's connection to an action. The action tells its
// links of every change; the client executes the action through its link.
#pragma once

#include "System.h"

class TBasicAction;

class TBasicActionLink : public TObject {
  TAWO_CLASS(TBasicActionLink, TObject)

 public:
  TBasicActionLink() = default;
  // Leaves the action's list of links.
  ~TBasicActionLink() override;

  TBasicAction* Action() const { return FAction; }
  // Leaves the old action and joins the new one (or none).
  virtual void SetAction(TBasicAction* action);
  virtual bool Execute();
  virtual bool Update();

  TNotifyEvent OnChange;

 protected:
  friend class TBasicAction;
  // The action changed.
  virtual void Change() { OnChange(this); }

  TBasicAction* FAction = nullptr;
};
