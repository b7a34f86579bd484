// SetWindowPos and ShowWindow: position, size, z-order and visibility changes with their
// messages (WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, activation, WM_NCPAINT / WM_ERASEBKGND for
// what became visible, WM_WINDOWPOSCHANGED), the repainting they cause, and the backend's
// view of top-level windows.
#pragma once

#include <windows.h>

#include "Window.h"

class WindowPositioner {
 public:
  // Flags Windows adds to the WINDOWPOS of WM_WINDOWPOSCHANGED when the client area kept its
  // size or place; DefWindowProc sends WM_SIZE / WM_MOVE only without them.
  static constexpr UINT kNoClientSize = 0x0800;
  static constexpr UINT kNoClientMove = 0x1000;
  // Internal: the minimized/maximized state changed, WM_SIZE must report it.
  static constexpr UINT kStateChanged = 0x8000;
  // The largest backing surface side, in pixels (64 MB of pixels at most per window).
  static constexpr int kMaxSurfaceSide = 4096;

  static bool SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
  // Returns whether the window was visible before.
  static bool ShowWindow(HWND hwnd, int command);
  // WM_SIZE and WM_MOVE as DefWindowProc's WM_WINDOWPOSCHANGED sends them.
  static void SendSizeAndMove(HWND hwnd, UINT flags);
  // WM_SIZE then WM_MOVE, as creation and a first show report the window's size and place.
  static void SendInitialSizeAndMove(HWND hwnd);
  // The top-level surface follows the window's size, keeping the pixels that still fit.
  static void ResizeSurface(Window& window);
  static void TellBackend(Window& window);

 private:
  static UINT Normalise(Window& window, WINDOWPOS& pos);
  static RECT ClientAfterNcCalcSize(Window& window, const RECT& newWindow, const RECT& oldWindow, const RECT& oldClient,
                                    WINDOWPOS& pos);
  static void Apply(Window& window, const WINDOWPOS& pos, const RECT& newWindow, const RECT& newClient);
  static void InvalidateAfterResize(Window& window, const RECT& oldClient, UINT flags);
  static bool ChangeState(Window& window, int command, RECT& target);
};
