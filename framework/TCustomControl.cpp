#include "TCustomControl.h"

#include "TFinally.h"

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
  const TFinally endCustomPaint([&] { FControlState.Exclude(csCustomPaint); });
  inherited::Dispatch(message);
}

void TCustomControl::PaintWindow(HDC dc) {
  FCanvas->PaintOn(dc, [this] { Paint(); });
}
