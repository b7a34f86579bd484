#include "LMDGraphicControl.h"

#include <TWinControl.h>

TAWO_IMPLEMENT_CLASS(TLMDGraphicControl)

TLMDGraphicControl::TLMDGraphicControl(TComponent* owner) : TGraphicControl(owner), FBevel(std::make_unique<TLMDBevel>()) {
  TControlStyle style = ControlStyle();
  style.Exclude(csOpaque);
  style.Include(csReplicatable);
  SetControlStyle(style);
  SetHeight(30);
  SetWidth(30);
  FBevel->OnChange = TNotifyEvent(this, &TLMDGraphicControl::GetChange);
}

TLMDGraphicControl::~TLMDGraphicControl() {
  FBevel->OnChange = nullptr;
}

void TLMDGraphicControl::SetIndex(int32_t index, int32_t value) {
  if (value < 0) return;
  (index == 0 ? FImageIndex : FListIndex) = value;
}

void TLMDGraphicControl::SetTransparent(bool value) {
  if (value == FTransparent) return;
  TControlStyle style = ControlStyle();
  if (value) style.Exclude(csOpaque);
  else style.Include(csOpaque);
  SetControlStyle(style);
  FTransparent = value;
  InvalidateControl();
}

void TLMDGraphicControl::DisableTransMode() {
  FTransparent = false;
  TControlStyle style = ControlStyle();
  style.Include(csOpaque);
  SetControlStyle(style);
}

void TLMDGraphicControl::InvalidateControl() {
  if (FTransparent || ComponentState().Contains(csDesigning)) {
    Invalidate();
  } else if (CanPaintNow()) {
    Paint();
  }
}

void TLMDGraphicControl::GetChange(TObject*) {
  if (!IsLoading()) InvalidateControl();
}

bool TLMDGraphicControl::CanPaintNow() const {
  return Visible() && Parent() != nullptr && Parent()->HandleAllocated();
}

RECT TLMDGraphicControl::PaintBevel() {
  return FBevel->PaintBevel(Canvas(), ClientRect(), FTransparent);
}
