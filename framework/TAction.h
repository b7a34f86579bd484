// Unit ActnList: TAction, the action as placed on a form: its properties are published.
#pragma once

#include "TCustomAction.h"

class TAction : public TCustomAction {
  TAWO_CLASS(TAction, TCustomAction)

 public:
  explicit TAction(TComponent* owner) : TCustomAction(owner) {}
};
