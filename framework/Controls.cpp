#include "Controls.h"

#include "Classes.h"
#include "TControl.h"
#include "TWinControl.h"

#include <array>

using enum TOrdType;
using enum TShiftStateItem;
using enum TTypeKind;

namespace {

struct TCursorName {
  TCursor Value;
  const char* Name;
};

constexpr std::array<TCursorName, 22> kCursorNames{{
    {crDefault, "crDefault"},     {crNone, "crNone"},         {crArrow, "crArrow"},
    {crCross, "crCross"},         {crIBeam, "crIBeam"},       {crSizeNESW, "crSizeNESW"},
    {crSizeNS, "crSizeNS"},       {crSizeNWSE, "crSizeNWSE"}, {crSizeWE, "crSizeWE"},
    {crUpArrow, "crUpArrow"},     {crHourGlass, "crHourGlass"}, {crDrag, "crDrag"},
    {crNoDrop, "crNoDrop"},       {crHSplit, "crHSplit"},     {crVSplit, "crVSplit"},
    {crMultiDrag, "crMultiDrag"}, {crSQLWait, "crSQLWait"},   {crNo, "crNo"},
    {crAppStart, "crAppStart"},   {crHelp, "crHelp"},         {crHandPoint, "crHandPoint"},
    {crSizeAll, "crSizeAll"},
}};

// A graphic control holding the mouse: its parent's window has the capture.
TControl* CaptureControl = nullptr;

}  // namespace

bool CursorToIdent(int32_t cursor, AnsiString& ident) {
  for (const TCursorName& entry : kCursorNames) {
    if (entry.Value == cursor) {
      ident = entry.Name;
      return true;
    }
  }
  return false;
}

bool IdentToCursor(const AnsiString& ident, int32_t& cursor) {
  for (const TCursorName& entry : kCursorNames) {
    if (SameText(ident, entry.Name)) {
      cursor = entry.Value;
      return true;
    }
  }
  // crSize is crSizeAll's other name.
  if (SameText(ident, "crSize")) {
    cursor = crSize;
    return true;
  }
  return false;
}

PTypeInfo TCursorTypeInfo() {
  static const TTypeInfo info = TTypeInfo::Ordinal(tkInteger, "TCursor", otSWord, INT16_MIN, INT16_MAX);
  static const bool registered = (RegisterIntegerConsts(&info, IdentToCursor, CursorToIdent), true);
  (void)registered;
  return &info;
}

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
