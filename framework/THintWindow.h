// Unit Controls: THintWindow, the small pop-up that shows a control's short hint.
#pragma once

#include "TCustomControl.h"

class THintWindow : public TCustomControl {
  TAWO_CLASS(THintWindow, TCustomControl)

 public:
  explicit THintWindow(TComponent* owner);

  // Shows the hint text in `rect` (screen coordinates, kept on the screen) without taking
  // the activation.
  virtual void ActivateHint(RECT rect, const AnsiString& hint);
  // The rectangle the hint needs, at the origin, wrapping lines wider than `maxWidth`.
  virtual RECT CalcHintRect(int maxWidth, const AnsiString& hint);
  // Messages that end a showing hint: keys, clicks, activation changes, commands.
  virtual bool IsHintMsg(const MSG& msg) const;
  bool IsShown();

 protected:
  void CreateParams(TCreateParams& params) override;
  void Dispatch(TMessage& message) override;
  void Paint() override;
};
