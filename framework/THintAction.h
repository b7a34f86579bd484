// Unit StdActns: THintAction, the action that carries Application.Hint to the controls that
// show hints themselves (a status bar with AutoHint).
#pragma once

#include "TCustomAction.h"

class THintAction : public TCustomAction {
  TAWO_CLASS(THintAction, TCustomAction)

 public:
  explicit THintAction(TComponent* owner) : TCustomAction(owner) {}

  // Offers a hint action carrying `hint` to the application's forms.
  static void Broadcast(const AnsiString& hint);
};
