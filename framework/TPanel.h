// Unit ExtCtrls: TPanel, a container with raised or lowered bevels around a centred caption.
#pragma once

#include "Forms.h"
#include "TCustomControl.h"

TAWO_ENUM(TBevelCut, bvNone, bvLowered, bvRaised, bvSpace)
using TPanelBevel = TBevelCut;
using TBevelWidth = int32_t;
using TBorderWidth = int32_t;

class TPanel : public TCustomControl {
  TAWO_CLASS(TPanel, TCustomControl)

 public:
  // 185 x 41, clBtnFace, raised outer bevel one pixel wide, caption centred.
  explicit TPanel(TComponent* owner);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment alignment);
  TPanelBevel BevelInner() const { return FBevelInner; }
  void SetBevelInner(TPanelBevel bevel);
  TPanelBevel BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TPanelBevel bevel);
  TBevelWidth BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(TBevelWidth width);
  // Face-coloured space between the bevels.
  TBorderWidth BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(TBorderWidth width);
  // bsSingle adds a window border; the other form styles count as bsNone.
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle style);

 protected:
  void CreateParams(TCreateParams& params) override;
  // Children are aligned inside the bevels and the border.
  void AdjustClientRect(RECT& rect) override;
  void Paint() override;
  void Dispatch(TMessage& message) override;

 private:
  void BordersChanged();
  int BevelsWidth() const;

  TAlignment FAlignment = TAlignment::taCenter;
  TPanelBevel FBevelInner = TBevelCut::bvNone;
  TPanelBevel FBevelOuter = TBevelCut::bvRaised;
  TBevelWidth FBevelWidth = 1;
  TBorderWidth FBorderWidth = 0;
  TBorderStyle FBorderStyle = TFormBorderStyle::bsNone;
};
