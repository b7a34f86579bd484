// The modal mouse loops DefWindowProc runs for a press on the non-client area: caption buttons
// (pressed while the pointer is on them; released on them, WM_SYSCOMMAND with SC_CLOSE,
// SC_MINIMIZE, SC_MAXIMIZE / SC_RESTORE or SC_CONTEXTHELP) and moving or sizing the window by
// its caption or sizing border (SC_MOVE / SC_SIZE between WM_ENTERSIZEMOVE and
// WM_EXITSIZEMOVE). Each loop holds capture and ends on button release, on losing capture, or
// on WM_QUIT, which it leaves pending.
#pragma once

#include "Window.h"

class NonClientTracking {
 public:
  // WM_NCLBUTTONDOWN: `hit` is the hit-test code, `screen` where the press happened.
  static void Press(HWND hwnd, LRESULT hit, POINT screen);
  // SC_MOVE / SC_SIZE: the move or size loop from `screen`; `hit` says which edges follow.
  static void MoveOrSize(HWND hwnd, LRESULT hit, POINT screen);

 private:
  static void TrackButton(HWND hwnd, LRESULT hit);
  static RECT ButtonRect(const Window& window, LRESULT hit);
  static WPARAM CommandFor(const Window& window, LRESULT hit);
  static RECT Dragged(const RECT& start, LRESULT hit, int dx, int dy);
  // The next mouse message of the loop, or none when the loop must end.
  static bool NextMouse(HWND hwnd, MSG& msg);
};
