// The dialog manager's keyboard interface as IsDialogMessage uses it: Tab order over visible,
// enabled WS_TABSTOP controls (recursing into WS_EX_CONTROLPARENT children), arrow keys within
// a WS_GROUP group, Enter to the default button, Esc to IDCANCEL.
#pragma once

#include <vector>

#include "Window.h"

class DialogNavigation {
 public:
  // Handles a key press for the dialog; false when the key is not a dialog key.
  static bool HandleKey(HWND dialog, HWND focus, UINT virtualKey, LRESULT dialogCode);

 private:
  static std::vector<HWND> TabStops(const Window& dialog);
  static std::vector<HWND> Group(const Window& dialog, HWND member);
  static HWND Neighbour(const std::vector<HWND>& order, HWND from, bool backwards);
  static void PressDefault(HWND dialog, HWND focus, LRESULT dialogCode);
};
