// Unit LMDGraphicControl: TLMDGraphicControl, the windowless control with an owned bevel; its
// Paint draws the bevel and descendants draw their content inside BeveledRect.
#pragma once

#include "LMDBaseGraphicControl.h"

#include <LMDBevel.h>

#include <memory>

class TLMDGraphicControl : public TLMDBaseGraphicControl {
  TAWO_CLASS(TLMDGraphicControl, TLMDBaseGraphicControl)

 public:
  explicit TLMDGraphicControl(TComponent* owner);
  ~TLMDGraphicControl() override;

  TLMDBevel* Bevel() const { return FBevel.get(); }
  // Takes the other bevel's settings (which repaints), then tells the control itself.
  void SetBevel(TLMDBevel* value);
  // The bevel's extent in pixels, and twice that.
  int32_t BevelExt() const { return FBevel->GetBevelExtend(); }
  int32_t DblBevelExt() const { return 2 * BevelExt(); }
  // The area inside the bevel, where descendants draw.
  RECT BeveledRect();

 protected:
  // The bevel, or only the design-time outline while the control is empty and has no bevel.
  void Paint() override;
  // Paints the bevel around the client rectangle; the rectangle inside it.
  RECT PaintBevel();

  // Set while a descendant draws, so drawing never re-enters itself.
  bool FBusy = false;

 private:
  std::unique_ptr<TLMDBevel> FBevel;
};
