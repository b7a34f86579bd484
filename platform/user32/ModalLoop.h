// The nested message loop of a modal window (message boxes, EndDialog-style termination): the
// windows it makes modal are disabled while it runs, keyboard messages pass through the dialog
// manager, and the loop ends when End() is called for the window, when the window is destroyed,
// or on WM_QUIT (which stays pending for the outer loop). The disabled windows are enabled again
// before the caller destroys the modal window, so activation returns to them.
#pragma once

#include <windows.h>

#include <vector>

class ModalLoop {
 public:
  // Shows `dialog`, disables those of `blocked` that are enabled, and runs until End(dialog);
  // returns End's result (0 when the loop ended another way).
  static INT_PTR Run(HWND dialog, const std::vector<HWND>& blocked);
  // False when no loop runs for `dialog`.
  static bool End(HWND dialog, INT_PTR result);

 private:
  struct Running {
    HWND dialog;
    bool ended;
    INT_PTR result;
  };
  static std::vector<Running>& Loops();
  static Running* Find(HWND dialog);
};
