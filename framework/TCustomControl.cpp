#include "TCustomControl.h"

using enum TControlStateItem;

TAWO_IMPLEMENT_CLASS(TCustomControl)

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner), FCanvas(std::make_unique<TControlCanvas>()) {
  FCanvas->SetControl(this);
}

TCustomControl::~TCustomControl() = default;

void TCustomControl::Dispatch(TMessage& message) {
  if (message.Msg != WM_PAINT) {
    inherited::Dispatch(message);
    return;
  }
  FControlState.Include(csCustomPaint);
  try {
    inherited::Dispatch(message);
  } catch (...) {
    FControlState.Exclude(csCustomPaint);
    throw;
  }
  FControlState.Exclude(csCustomPaint);
}

void TCustomControl::PaintWindow(HDC dc) {
  FCanvas->PaintOn(dc, [this] { Paint(); });
}
