// Unit Classes: TBasicActionLink, a client's connection to an action: the client executes the
// action through it, and a destroyed action leaves its links without one.
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

 protected:
  friend class TBasicAction;
  TBasicAction* FAction = nullptr;
};
