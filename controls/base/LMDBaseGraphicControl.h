// Unit LMDBaseGraphicControl: TLMDBaseGraphicControl adds Transparent to the windowless base.
// Sub-object changes repaint a transparent control through the framework (the parent's
// background first) and an opaque one at once in place through Paint.
#pragma once

#include "LMDBaseControl.h"

class TLMDBaseGraphicControl : public TLMDBaseControl {
  TAWO_CLASS(TLMDBaseGraphicControl, TLMDBaseControl)

 public:
  // A new control is 30 × 30 pixels and transparent.
  explicit TLMDBaseGraphicControl(TComponent* owner);

  // true ⇔ the control style lacks csOpaque.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);

  // Repaints the whole control: deferred with the background when transparent, else at once.
  void InvalidateControl();
  void GetChange(TObject* sender) override;

 protected:
  // Transparent and the parent hands out its background bitmap.
  bool CheckOptimized() override;
  // Makes the control opaque without a message (for descendants that fill themselves).
  void DisableTransMode();
  void Paint() override;
  void Dispatch(TMessage& message) override;

 private:
  bool FTransparent = true;
};
