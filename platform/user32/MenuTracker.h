// TrackPopupMenu's modal menu loop: shows the popup at the requested point (kept on the
// screen), captures the mouse, highlights the item under the pointer or moved to with the
// arrow keys, and ends on a click or Enter on an enabled item (the chosen command), on a click
// outside, Esc, EndMenu or lost capture (nothing chosen). Other messages are dispatched as
// usual; WM_QUIT ends the loop and stays pending.
#pragma once

#include "PopupMenuWindow.h"

#include <windows.h>

class MenuTracker {
 public:
  // The chosen command ID, or 0 when the menu was cancelled.
  static UINT_PTR Track(HMENU menu, UINT flags, POINT at, HWND owner);
  // Ends the running menu loop of this thread, if any.
  static bool Cancel();

 private:
  static POINT Place(UINT flags, POINT at, SIZE size);
  static HWND CreatePopup(PopupMenuState& state, UINT flags, POINT at, HWND owner);
  static int Step(const PopupMenuState& state, int from, int direction);
  static int MnemonicItem(const PopupMenuState& state, char key);
  static bool Choosable(const PopupMenuState& state, int item);
};
