#include "TCustomAction.h"

#include "TActionLink.h"
#include "TCustomActionList.h"

TAWO_IMPLEMENT_CLASS(TCustomAction)

template <class F>
void TCustomAction::TellLinks(F apply) {
  for (int i = 0; i < ClientCount(); ++i) {
    if (auto* link = dynamic_cast<TActionLink*>(Clients(i))) apply(*link);
  }
  Change();
}

void TCustomAction::SetCaption(const AnsiString& caption) {
  if (caption == FCaption) return;
  FCaption = caption;
  TellLinks([&](TActionLink& link) { if (link.IsCaptionLinked()) link.SetCaption(caption); });
}

void TCustomAction::SetChecked(bool checked) {
  if (checked == FChecked) return;
  FChecked = checked;
  TellLinks([&](TActionLink& link) { if (link.IsCheckedLinked()) link.SetChecked(checked); });
}

void TCustomAction::SetEnabled(bool enabled) {
  if (enabled == FEnabled) return;
  FEnabled = enabled;
  TellLinks([&](TActionLink& link) { if (link.IsEnabledLinked()) link.SetEnabled(enabled); });
}

void TCustomAction::SetHelpContext(int32_t context) {
  if (context == FHelpContext) return;
  FHelpContext = context;
  TellLinks([&](TActionLink& link) { if (link.IsHelpContextLinked()) link.SetHelpContext(context); });
}

void TCustomAction::SetHint(const AnsiString& hint) {
  if (hint == FHint) return;
  FHint = hint;
  TellLinks([&](TActionLink& link) { if (link.IsHintLinked()) link.SetHint(hint); });
}

void TCustomAction::SetImageIndex(int32_t index) {
  if (index == FImageIndex) return;
  FImageIndex = index;
  TellLinks([&](TActionLink& link) { if (link.IsImageIndexLinked()) link.SetImageIndex(index); });
}

void TCustomAction::SetVisible(bool visible) {
  if (visible == FVisible) return;
  FVisible = visible;
  TellLinks([&](TActionLink& link) { if (link.IsVisibleLinked()) link.SetVisible(visible); });
}

TCustomImageList* TCustomAction::Images() const {
  return ActionList() != nullptr ? ActionList()->Images() : nullptr;
}

void TCustomAction::ImagesChanged() {
  TellLinks([&](TActionLink& link) { if (link.IsImageIndexLinked()) link.SetImageIndex(FImageIndex); });
}

bool TCustomAction::Execute() { return FEnabled && inherited::Execute(); }
