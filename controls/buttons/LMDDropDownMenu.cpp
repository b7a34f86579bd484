#include "LMDDropDownMenu.h"

POINT LMDDropDownPoint(TControl* button, bool right, int32_t indent) {
  return right ? button->ClientToScreen(POINT{button->Width(), indent})
               : button->ClientToScreen(POINT{indent, button->Height()});
}

void LMDPopupDropDownMenu(TPopupMenu* menu, POINT at, HWND window) {
  menu->Popup(at.x, at.y);
  MSG pending;
  while (PeekMessageA(&pending, window, WM_MOUSEFIRST, WM_MOUSEWHEEL, PM_REMOVE)) {
  }
  if (HWND capture = GetCapture()) SendMessageA(capture, WM_CANCELMODE, 0, 0);
}
