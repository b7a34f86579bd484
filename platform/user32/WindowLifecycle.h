// CreateWindowEx and DestroyWindow: the creation messages (WM_GETMINMAXINFO, WM_NCCREATE,
// WM_NCCALCSIZE, WM_CREATE, the first WM_SIZE / WM_MOVE, WM_PARENTNOTIFY, showing) and the
// destruction order (owned windows first, WM_DESTROY top-down, WM_NCDESTROY bottom-up, last).
// Every step re-checks the window, because any handler may destroy it.
#pragma once

#include <windows.h>

#include <functional>

#include "Window.h"

class WindowLifecycle {
 public:
  static HWND Create(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param);
  static bool Destroy(HWND hwnd);

  // WM_PARENTNOTIFY up the chain of parents, as long as each window is a child without
  // WS_EX_NOPARENTNOTIFY. `lParamFor` gives the lParam for each parent.
  static void NotifyParents(Window& window, WPARAM wParam, const std::function<LPARAM(Window& parent)>& lParamFor);
  // WM_GETMINMAXINFO with the defaults filled in.
  static MINMAXINFO QueryMinMax(Window& window);

 private:
  static bool ResolveParent(HWND parentHandle, DWORD style, Window*& parent, HWND& owner);
  static RECT InitialRect(const Window& window, int x, int y, int width, int height);
  static void SendDestroyMessages(const std::shared_ptr<Window>& window);
  static void Free(const std::shared_ptr<Window>& window);
};
