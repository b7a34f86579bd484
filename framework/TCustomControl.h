// Unit Controls: TCustomControl, a windowed control that paints itself on Canvas in Paint.
#pragma once

#include "TControlCanvas.h"
#include "TWinControl.h"

#include <memory>

class TCustomControl : public TWinControl {
  TAWO_CLASS(TCustomControl, TWinControl)

 public:
  explicit TCustomControl(TComponent* owner);
  ~TCustomControl() override;

  TCanvas* Canvas() const { return FCanvas.get(); }

 protected:
  void Dispatch(TMessage& message) override;
  void PaintWindow(HDC dc) override;
  // Draws the control on Canvas; nothing in the base.
  void Paint() override {}

 private:
  std::unique_ptr<TControlCanvas> FCanvas;
};
