// Unit LMDDropDownMenu: opening a button's drop-down menu, shared by the windowed and the
// windowless buttons.
#pragma once

#include <TControl.h>
#include <TPopupMenu.h>

#include <windows.h>

#include <cstdint>

// Where the menu of `button` opens, in screen coordinates: below its bottom-left corner moved
// right by `indent`, or with `right` at its top-right corner moved down by `indent`.
POINT LMDDropDownPoint(TControl* button, bool right, int32_t indent);

// Shows `menu` at `at` and returns when it has closed. The clicks that closed it must not press
// anything: the mouse messages still queued for `window` (for every window of the thread when
// it is null) are dropped, and a window holding the capture is told to cancel its mode.
void LMDPopupDropDownMenu(TPopupMenu* menu, POINT at, HWND window);
