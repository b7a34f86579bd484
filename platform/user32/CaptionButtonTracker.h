// The close box while the left button holds it: a local message loop that shows the box pushed
// while the pointer is over it and sends WM_SYSCOMMAND/SC_CLOSE when the button is released
// there. Other messages are dispatched as usual meanwhile; WM_QUIT ends the loop and stays
// pending.
#pragma once

#include <windows.h>

class CaptionButtonTracker {
 public:
  static void TrackClose(HWND hwnd);

 private:
  static bool OverCloseBox(HWND hwnd, POINT screen);
};
