// The dialog class ("#32770") with the default dialog behaviour message boxes need: the grey
// face, the default push button (DM_GETDEFID / DM_SETDEFID, restyling the buttons), the focus
// control remembered across deactivation, and the close box or Alt+F4 turning into a click on
// IDCANCEL.
#pragma once

#include <windows.h>

class DialogWindow {
 public:
  static constexpr const char* kClassName = "#32770";
  static constexpr int kExtraBytes = 2 * sizeof(LONG_PTR);

  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // The control that gets the focus when the dialog is next activated.
  static void RememberFocus(HWND dialog, HWND control);

 private:
  static void SetDefaultId(HWND hwnd, UINT id);
  static void Activate(HWND hwnd, bool active);
};
