#include "Controls.h"

#include "TControl.h"
#include "TWinControl.h"

using enum TShiftStateItem;

namespace {

// A graphic control holding the mouse: its parent's window has the capture.
TControl* CaptureControl = nullptr;

}  // namespace

TControl* GetCaptureControl() {
  TControl* control = FindControl(GetCapture());
  if (control != nullptr && CaptureControl != nullptr && CaptureControl->Parent() == control) {
    return CaptureControl;
  }
  return control;
}

void SetCaptureControl(TControl* control) {
  ReleaseCapture();
  CaptureControl = nullptr;
  if (control == nullptr) return;
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (windowed == nullptr) {
    if (control->Parent() == nullptr) return;
    CaptureControl = control;
    windowed = control->Parent();
  }
  SetCapture(windowed->Handle());
}

TControl* FindDragTarget(POINT screenPos, bool allowDisabled) {
  TWinControl* windowed = FindControl(WindowFromPoint(screenPos));
  if (windowed == nullptr) return nullptr;
  TControl* control = windowed->ControlAtPos(windowed->ScreenToClient(screenPos), allowDisabled);
  return control != nullptr ? control : windowed;
}

AnsiString GetShortHint(const AnsiString& hint) {
  const auto bar = hint.find('|');
  return bar == AnsiString::npos ? hint : hint.substr(0, bar);
}

AnsiString GetLongHint(const AnsiString& hint) {
  const auto bar = hint.find('|');
  return bar == AnsiString::npos ? hint : hint.substr(bar + 1);
}

TShiftState KeysToShiftState(UINT keys) {
  TShiftState state;
  if (keys & MK_SHIFT) state.Include(ssShift);
  if (keys & MK_CONTROL) state.Include(ssCtrl);
  if (keys & MK_LBUTTON) state.Include(ssLeft);
  if (keys & MK_RBUTTON) state.Include(ssRight);
  if (keys & MK_MBUTTON) state.Include(ssMiddle);
  if (GetKeyState(VK_MENU) < 0) state.Include(ssAlt);
  return state;
}

TShiftState KeyboardStateToShiftState() {
  TShiftState state;
  if (GetKeyState(VK_SHIFT) < 0) state.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) state.Include(ssCtrl);
  if (GetKeyState(VK_MENU) < 0) state.Include(ssAlt);
  return state;
}
