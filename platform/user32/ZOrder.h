// Sibling order. Children of a window are kept topmost first. Among top-level windows the
// WS_EX_TOPMOST ones come first, and an owned window always stays above its owner.
#pragma once

#include "Window.h"

class ZOrder {
 public:
  // A new top-level window goes to the top of its band; a new child to the bottom.
  static void InsertNew(Window& parent, const std::shared_ptr<Window>& window);
  static void Remove(Window& window);
  // Moves the window as SetWindowPos's hWndInsertAfter asks (HWND_TOP, HWND_BOTTOM,
  // HWND_TOPMOST, HWND_NOTOPMOST or a sibling). Returns true when the order changed.
  static bool Place(Window& window, HWND insertAfter);
  // Where the window would go, to tell whether a SetWindowPos changes anything.
  static bool WouldMove(const Window& window, HWND insertAfter);

 private:
  static size_t IndexOf(const Window& window);
  static size_t BandStart(const Window& parent, bool topmost);
  static size_t BandEnd(const Window& parent, bool topmost);
  static size_t TargetIndex(const Window& window, HWND insertAfter, bool topmost);
  static void RaiseOwnedAbove(Window& owner);
  static void KeepAboveOwner(Window& window);
  static void MoveTo(Window& window, size_t index);
};
