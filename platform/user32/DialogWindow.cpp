#include "DialogWindow.h"

namespace {

constexpr int kDefaultIdOffset = 0;
constexpr int kFocusOffset = sizeof(LONG_PTR);
constexpr LONG kNoDefault = 0;

bool IsPushButton(HWND control) {
  const LRESULT code = SendMessageA(control, WM_GETDLGCODE, 0, 0);
  return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

}  // namespace

void DialogWindow::SetDefaultId(HWND hwnd, UINT id) {
  const auto previous = static_cast<UINT>(GetWindowLongA(hwnd, kDefaultIdOffset));
  if (HWND old = previous ? GetDlgItem(hwnd, static_cast<int>(previous)) : nullptr; old && IsPushButton(old)) {
    SendMessageA(old, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  }
  SetWindowLongA(hwnd, kDefaultIdOffset, static_cast<LONG>(id));
  if (HWND button = GetDlgItem(hwnd, static_cast<int>(id)); button && IsPushButton(button)) {
    SendMessageA(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  }
}

void DialogWindow::RememberFocus(HWND dialog, HWND control) {
  SetWindowLongPtrA(dialog, kFocusOffset, reinterpret_cast<LONG_PTR>(control));
}

void DialogWindow::Activate(HWND hwnd, bool active) {
  if (!active) {
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd, focus)) RememberFocus(hwnd, focus);
    return;
  }
  const auto saved = reinterpret_cast<HWND>(GetWindowLongPtrA(hwnd, kFocusOffset));
  SetFocus(saved && IsChild(hwnd, saved) ? saved : hwnd);
}

LRESULT CALLBACK DialogWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case DM_GETDEFID: {
      const LONG id = GetWindowLongA(hwnd, kDefaultIdOffset);
      return id == kNoDefault ? 0 : MAKELRESULT(id, DC_HASDEFID);
    }
    case WM_ACTIVATE:
      Activate(hwnd, LOWORD(wParam) != WA_INACTIVE);
      return 0;
    case DM_SETDEFID:
      SetDefaultId(hwnd, static_cast<UINT>(wParam));
      return TRUE;
    case WM_CLOSE: {
      HWND cancel = GetDlgItem(hwnd, IDCANCEL);
      if (!cancel || IsWindowEnabled(cancel)) {
        PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
      }
      return 0;
    }
    default:
      return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}
