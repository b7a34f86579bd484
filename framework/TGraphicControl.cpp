#include "TGraphicControl.h"

using enum TComponentStateItem;

TAWO_IMPLEMENT_CLASS(TGraphicControl)

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), FCanvas(std::make_unique<TControlCanvas>()) {
  FCanvas->SetControl(this);
}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::Dispatch(TMessage& message) {
  if (message.Msg == WM_PAINT) {
    WMPaint(message);
    return;
  }
  inherited::Dispatch(message);
}

void TGraphicControl::WMPaint(TMessage& message) {
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  if (dc == nullptr || ComponentState().Contains(csDestroying)) return;
  FCanvas->PaintOn(dc, [this] { Paint(); });
}
