// Unit Controls: TControlActionLink, the link through which an action's caption, enabled
// state, hint and visibility reach a control, as long as the control still shows the
// action's value.
#pragma once

#include "TActionLink.h"

class TControl;

class TControlActionLink : public TActionLink {
  TAWO_CLASS(TControlActionLink, TActionLink)

 public:
  explicit TControlActionLink(TControl* client) : FClient(client) {}

  bool IsCaptionLinked() const override;
  bool IsEnabledLinked() const override;
  bool IsHintLinked() const override;
  bool IsVisibleLinked() const override;
  void SetCaption(const AnsiString& value) override;
  void SetEnabled(bool value) override;
  void SetHint(const AnsiString& value) override;
  void SetVisible(bool value) override;
  // Runs the action with the control as the component executing it.
  bool Execute() override;

 private:
  TControl* FClient;
};
