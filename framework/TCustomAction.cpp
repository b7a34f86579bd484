#include "TCustomAction.h"

#include "TActionLink.h"
#include "TCustomActionList.h"

TAWO_IMPLEMENT_CLASS(TCustomAction)

template <class F>
void TCustomAction::TellLinks(F apply) {
  for (int i = 0; i < ClientCount(); ++i) {
    if (auto* link = dynamic_cast<TActionLink*>(Clients(i))) apply(*link);
  }
}

void TCustomAction::SetCaption(const AnsiString& caption) {
  if (caption == FCaption) return;
  TellLinks([&](TActionLink& link) { if (link.IsCaptionLinked()) link.SetCaption(caption); });
  FCaption = caption;
  Change();
}

void TCustomAction::SetChecked(bool checked) {
  if (checked == FChecked) return;
  TellLinks([&](TActionLink& link) { if (link.IsCheckedLinked()) link.SetChecked(checked); });
  FChecked = checked;
  Change();
}

void TCustomAction::SetEnabled(bool enabled) {
  if (enabled == FEnabled) return;
  TellLinks([&](TActionLink& link) { if (link.IsEnabledLinked()) link.SetEnabled(enabled); });
  FEnabled = enabled;
  Change();
}

void TCustomAction::SetHelpContext(int32_t context) {
  if (context == FHelpContext) return;
  TellLinks([&](TActionLink& link) { if (link.IsHelpContextLinked()) link.SetHelpContext(context); });
  FHelpContext = context;
  Change();
}

void TCustomAction::SetHint(const AnsiString& hint) {
  if (hint == FHint) return;
  TellLinks([&](TActionLink& link) { if (link.IsHintLinked()) link.SetHint(hint); });
  FHint = hint;
  Change();
}

void TCustomAction::SetImageIndex(int32_t index) {
  if (index == FImageIndex) return;
  TellLinks([&](TActionLink& link) { if (link.IsImageIndexLinked()) link.SetImageIndex(index); });
  FImageIndex = index;
  Change();
}

void TCustomAction::SetVisible(bool visible) {
  if (visible == FVisible) return;
  TellLinks([&](TActionLink& link) { if (link.IsVisibleLinked()) link.SetVisible(visible); });
  FVisible = visible;
  Change();
}

TCustomImageList* TCustomAction::Images() const {
  return ActionList() != nullptr ? ActionList()->Images() : nullptr;
}

void TCustomAction::ImagesChanged() {
  TellLinks([&](TActionLink& link) { if (link.IsImageIndexLinked()) link.SetImageIndex(FImageIndex); });
  Change();
}

bool TCustomAction::Execute() { return FEnabled && inherited::Execute(); }
