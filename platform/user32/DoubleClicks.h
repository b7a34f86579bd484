// The double-click rule: a second press of the same button on the same window within
// GetDoubleClickTime() and within the SM_CXDOUBLECLK x SM_CYDOUBLECLK box centred on the
// first press. A double click starts over, so a third press is a plain press again.
#pragma once

#include <windows.h>

#include "DisplayBackend.h"

class DoubleClicks {
 public:
  static UINT Time();
  // 0 restores the default; longer than the maximum is cut to it.
  static void SetTime(UINT milliseconds);
  // Records a press; true when it completes a double click.
  static bool Press(InputEvent::Button button, HWND window, POINT screen, DWORD time);

 private:
  // Whether the second press is near enough: within half the box each way [?].
  static bool Near(POINT first, POINT second);
};
