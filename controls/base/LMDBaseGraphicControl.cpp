#include "LMDBaseGraphicControl.h"

#include <TWinControl.h>

using enum TControlStyleItem;

TAWO_IMPLEMENT_CLASS(TLMDBaseGraphicControl)

TLMDBaseGraphicControl::TLMDBaseGraphicControl(TComponent* owner) : TLMDBaseControl(owner) {
  TControlStyle style = ControlStyle();
  style.Include(csReplicatable);
  SetControlStyle(style);
  SetOpaque(false);
  SetHeight(30);
  SetWidth(30);
}

void TLMDBaseGraphicControl::SetTransparent(bool value) {
  if (value == FTransparent) return;
  SetOpaque(!value);
  FTransparent = value;
  Perform(CM_TRANSPARENTCHANGED, 0, 0);
}

void TLMDBaseGraphicControl::DisableTransMode() {
  FTransparent = false;
  SetOpaque(true);
}

void TLMDBaseGraphicControl::InvalidateControl() {
  if (FTransparent || IsDesigning()) {
    Invalidate();
  } else if (CanPaintNow()) {
    Paint();
  }
}

void TLMDBaseGraphicControl::GetChange(TObject*) {
  if (!IsLoading()) InvalidateControl();
}

bool TLMDBaseGraphicControl::CheckOptimized() {
  return FTransparent && ParentKeepsBackground();
}

void TLMDBaseGraphicControl::Paint() {
  if (IsDesigning()) DrawDashedFrame();
}

void TLMDBaseGraphicControl::Dispatch(TMessage& message) {
  if (message.Msg == CM_TRANSPARENTCHANGED) {
    InvalidateControl();
    return;
  }
  inherited::Dispatch(message);
}
