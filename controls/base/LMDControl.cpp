#include "LMDControl.h"

using enum TBrushStyle;
using enum TPenMode;
using enum TPenStyle;

TAWO_IMPLEMENT_CLASS(TLMDControl)

TLMDControl::TLMDControl(TComponent* owner) : TGraphicControl(owner) {}

void TLMDControl::SetBounds(int left, int top, int width, int height) {
  const RECT old = BoundsRect();
  inherited::SetBounds(left, top, width, height);
  const TLMDBoundsChangeStates state = LMDBoundsChanges(old, BoundsRect());
  if (!state.Empty() && !IsLoading()) BoundsChange(state);
}

void TLMDControl::BoundsChange(TLMDBoundsChangeStates state) {
  if (OnBoundsChange.Assigned()) OnBoundsChange(this, state);
}

void TLMDControl::GetChange(TObject*) {
  if (!IsLoading()) Invalidate();
}

void TLMDControl::MouseEnter() {
  if (Enabled() && OnMouseEnter.Assigned()) OnMouseEnter(this);
}

void TLMDControl::MouseExit() {
  if (Enabled() && OnMouseExit.Assigned()) OnMouseExit(this);
}

void TLMDControl::Dispatch(TMessage& message) {
  inherited::Dispatch(message);
  if (message.Msg == CM_MOUSEENTER) MouseEnter();
  else if (message.Msg == CM_MOUSELEAVE) MouseExit();
}

void TLMDControl::DrawDashedFrame() {
  TCanvas* canvas = Canvas();
  canvas->Pen()->SetColor(clBlack);
  canvas->Pen()->SetWidth(1);
  canvas->Pen()->SetStyle(psDash);
  canvas->Pen()->SetMode(pmCopy);
  canvas->Brush()->SetStyle(bsClear);
  canvas->Rectangle(0, 0, Width(), Height());
}

void TLMDControl::FillControl() {
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(Color());
  canvas->Pen()->SetStyle(psClear);
  canvas->FillRect(ClientRect());
}
