// Keyboard focus and window activation of the calling thread: the WM_NCACTIVATE /
// WM_ACTIVATE / WM_ACTIVATEAPP sequence, WM_KILLFOCUS before WM_SETFOCUS, and choosing
// another window when the active one goes away.
#pragma once

#include <windows.h>

#include "Window.h"

class Activation {
 public:
  // SetFocus: returns the previous focus window, or null (failure or no previous focus).
  static HWND SetFocus(HWND hwnd);
  // Activates a top-level window (null deactivates the thread's windows). `how` is WA_ACTIVE
  // or WA_CLICKACTIVE. Returns false when the window cannot be activated or the active window
  // refused to give up activation.
  static bool Activate(HWND hwnd, WORD how);
  // After the active window is hidden, disabled or destroyed: activate its owner if it can
  // be, else the next visible, enabled top-level window of the thread, else none.
  static void ActivateOther(Window& leaving);
  // Focus or activation inside a subtree that is going away is dropped without messages to it.
  static void ForgetSubtree(Window& window);
  static HWND Foreground();

 private:
  static bool CanTakeFocus(const Window& window);
  static void SendActivateApp(bool active);
};
