#include "TActionLink.h"

#include "TCustomAction.h"

TAWO_IMPLEMENT_CLASS(TActionLink)

bool TActionLink::HasCustomAction() const { return dynamic_cast<TCustomAction*>(FAction) != nullptr; }

bool TActionLink::IsCaptionLinked() const { return HasCustomAction(); }
bool TActionLink::IsCheckedLinked() const { return HasCustomAction(); }
bool TActionLink::IsEnabledLinked() const { return HasCustomAction(); }
bool TActionLink::IsHelpContextLinked() const { return HasCustomAction(); }
bool TActionLink::IsHintLinked() const { return HasCustomAction(); }
bool TActionLink::IsImageIndexLinked() const { return HasCustomAction(); }
bool TActionLink::IsVisibleLinked() const { return HasCustomAction(); }
