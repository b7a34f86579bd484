#include "TControlActionLink.h"

#include "TControl.h"
#include "TCustomAction.h"

TAWO_IMPLEMENT_CLASS(TControlActionLink)

namespace {

TCustomAction* CustomAction(TBasicAction* action) { return dynamic_cast<TCustomAction*>(action); }

}  // namespace

bool TControlActionLink::IsCaptionLinked() const {
  return inherited::IsCaptionLinked() && FClient->Caption() == CustomAction(FAction)->Caption();
}

bool TControlActionLink::IsEnabledLinked() const {
  return inherited::IsEnabledLinked() && FClient->Enabled() == CustomAction(FAction)->Enabled();
}

bool TControlActionLink::IsHintLinked() const {
  return inherited::IsHintLinked() && FClient->Hint() == CustomAction(FAction)->Hint();
}

bool TControlActionLink::IsVisibleLinked() const {
  return inherited::IsVisibleLinked() && FClient->Visible() == CustomAction(FAction)->Visible();
}

void TControlActionLink::SetCaption(const AnsiString& value) { FClient->SetCaption(value); }
void TControlActionLink::SetEnabled(bool value) { FClient->SetEnabled(value); }
void TControlActionLink::SetHint(const AnsiString& value) { FClient->SetHint(value); }
void TControlActionLink::SetVisible(bool value) { FClient->SetVisible(value); }

bool TControlActionLink::Execute() {
  if (FAction == nullptr) return false;
  FAction->SetActionComponent(FClient);
  const bool done = FAction->Execute();
  if (FAction != nullptr) FAction->SetActionComponent(nullptr);
  return done;
}
