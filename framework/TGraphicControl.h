// Unit Controls: TGraphicControl, a control without a window that paints on its parent's DC
// (PaintControls hands it the DC moved to its origin and clipped to its bounds).
#pragma once

#include "TControl.h"
#include "TControlCanvas.h"

#include <memory>

class TGraphicControl : public TControl {
  TAWO_CLASS(TGraphicControl, TControl)

 public:
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;

  TCanvas* Canvas() const { return FCanvas.get(); }

 protected:
  void Dispatch(TMessage& message) override;
  // Draws the control on Canvas; nothing in the base.
  void Paint() override {}

 private:
  void WMPaint(TMessage& message);

  std::unique_ptr<TControlCanvas> FCanvas;
};
