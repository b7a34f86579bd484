#include "THintAction.h"

#include "Forms.h"

TAWO_IMPLEMENT_CLASS(THintAction)

void THintAction::Broadcast(const AnsiString& hint) {
  THintAction action(nullptr);
  action.SetHint(hint);
  action.Execute();
}

namespace {

const bool gHintActionInstalled = (SetHintActionHandler(&THintAction::Broadcast), true);

}  // namespace
