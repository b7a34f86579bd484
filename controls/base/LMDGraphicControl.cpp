#include "LMDGraphicControl.h"

TAWO_IMPLEMENT_CLASS(TLMDGraphicControl)

TLMDGraphicControl::TLMDGraphicControl(TComponent* owner)
    : TLMDBaseGraphicControl(owner), FBevel(std::make_unique<TLMDBevel>()) {
  FBevel->OnChange = TNotifyEvent(this, &TLMDGraphicControl::GetChange);
}

TLMDGraphicControl::~TLMDGraphicControl() {
  FBevel->OnChange = nullptr;
}

void TLMDGraphicControl::SetBevel(TLMDBevel* value) {
  FBevel->Assign(value);
  Perform(CM_LMDBEVELCHANGED, 0, 0);
}

RECT TLMDGraphicControl::BeveledRect() {
  return FBevel->ClientRect(ClientRect());
}

void TLMDGraphicControl::Paint() {
  if (IsLoading()) return;
  if (GetEmpty() && BevelExt() == 0) inherited::Paint();
  else PaintBevel();
}

RECT TLMDGraphicControl::PaintBevel() {
  return FBevel->PaintBevel(Canvas(), ClientRect(), Transparent());
}
