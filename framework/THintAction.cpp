#include "THintAction.h"

TAWO_IMPLEMENT_CLASS(THintAction)

void THintAction::Broadcast(const AnsiString& hint) {
  THintAction action(nullptr);
  action.SetHint(hint);
  action.Execute();
}
