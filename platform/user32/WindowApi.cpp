// Windows: creation and destruction, showing and placing, the tree, coordinates, text.
#include <unistd.h>

#include <cstring>

#include "Activation.h"
#include "InputRouter.h"
#include "MessageQueue.h"
#include "NonClient.h"
#include "ThreadIdentity.h"
#include "WindowLifecycle.h"
#include "WindowPositioner.h"
#include "WindowTable.h"
#include "ZOrder.h"

namespace {

bool Inside(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

// The origin of a window's client area on the screen; (0,0) for null (the screen itself).
bool ClientOrigin(HWND hwnd, POINT& origin) {
  if (!hwnd) {
    origin = POINT{0, 0};
    return true;
  }
  std::shared_ptr<Window> w = WindowTable::Instance().Get(hwnd);
  if (!w) return false;
  origin = w->IsRoot() ? POINT{0, 0} : w->ClientOriginOnScreen();
  return true;
}

HWND HandleOf(const Window* w) { return w ? w->handle : nullptr; }

HWND SiblingAt(const Window& w, std::ptrdiff_t offset) {
  const auto& siblings = w.parent->children;
  for (size_t i = 0; i < siblings.size(); ++i) {
    if (siblings[i].get() != &w) continue;
    const std::ptrdiff_t j = static_cast<std::ptrdiff_t>(i) + offset;
    if (j < 0 || j >= static_cast<std::ptrdiff_t>(siblings.size())) return nullptr;
    return siblings[static_cast<size_t>(j)]->handle;
  }
  return nullptr;
}

}  // namespace

extern "C" {

HWND WINAPI CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int X, int Y,
                            int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance,
                            LPVOID lpParam) {
  return WindowLifecycle::Create(dwExStyle, lpClassName, lpWindowName, dwStyle, X, Y, nWidth, nHeight, hWndParent,
                                 hMenu, hInstance, lpParam);
}

BOOL WINAPI DestroyWindow(HWND hWnd) { return WindowLifecycle::Destroy(hWnd) ? TRUE : FALSE; }

BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow) { return WindowPositioner::ShowWindow(hWnd, nCmdShow) ? TRUE : FALSE; }

BOOL WINAPI SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags) {
  return WindowPositioner::SetWindowPos(hWnd, hWndInsertAfter, X, Y, cx, cy, uFlags) ? TRUE : FALSE;
}

BOOL WINAPI MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint) {
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  if (!bRepaint) flags |= SWP_NOREDRAW;
  return SetWindowPos(hWnd, nullptr, X, Y, nWidth, nHeight, flags);
}

BOOL WINAPI BringWindowToTop(HWND hWnd) { return SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

BOOL WINAPI EnableWindow(HWND hWnd, BOOL bEnable) {
  std::shared_ptr<Window> w = WindowTable::Instance().Get(hWnd);
  if (!w) return FALSE;
  const bool wasDisabled = !w->IsEnabled();
  if (bEnable && wasDisabled) {
    w->style &= ~WS_DISABLED;
    SendMessageA(hWnd, WM_ENABLE, TRUE, 0);
  } else if (!bEnable && !wasDisabled) {
    SendMessageA(hWnd, WM_CANCELMODE, 0, 0);
    if (!w->IsAlive()) return FALSE;
    w->style |= WS_DISABLED;
    MessageQueue& queue = MessageQueue::Current();
    std::shared_ptr<Window> focus = WindowTable::Instance().Find(queue.focus);
    if (focus && w->Contains(focus.get())) Activation::SetFocus(nullptr);
    std::shared_ptr<Window> capture = WindowTable::Instance().Find(queue.capture);
    if (capture && w->Contains(capture.get())) ReleaseCapture();
    if (w->IsTopLevel() && queue.active == hWnd) Activation::ActivateOther(*w);
    if (w->IsAlive()) SendMessageA(hWnd, WM_ENABLE, FALSE, 0);
  }
  return wasDisabled ? TRUE : FALSE;
}

BOOL WINAPI IsWindow(HWND hWnd) { return WindowTable::Instance().Find(hWnd) ? TRUE : FALSE; }

BOOL WINAPI IsWindowVisible(HWND hWnd) {
  std::shared_ptr<Window> w = WindowTable::Instance().Find(hWnd);
  return w && w->IsVisibleOnScreen() ? TRUE : FALSE;
}

BOOL WINAPI IsWindowEnabled(HWND hWnd) {
  std::shared_ptr<Window> w = WindowTable::Instance().Find(hWnd);
  return w && w->IsEnabled() ? TRUE : FALSE;
}

BOOL WINAPI IsIconic(HWND hWnd) {
  std::shared_ptr<Window> w = WindowTable::Instance().Find(hWnd);
  return w && w->IsMinimized() ? TRUE : FALSE;
}

BOOL WINAPI IsZoomed(HWND hWnd) {
  std::shared_ptr<Window> w = WindowTable::Instance().Find(hWnd);
  return w && w->IsMaximized() ? TRUE : FALSE;
}

HWND WINAPI GetDesktopWindow(void) { return WindowTable::Instance().Desktop().handle; }

HWND WINAPI GetParent(HWND hWnd) {
  std::shared_ptr<Window> w = WindowTable::Instance().Get(hWnd);
  if (!w || w->IsRoot()) return nullptr;
  if (w->IsChildStyle()) return w->parent->IsRoot() ? nullptr : w->parent->handle;
  if (w->style & WS_POPUP) return WindowTable::Instance().Find(w->owner) ? w->owner : nullptr;
  return nullptr;
}

HWND WINAPI GetAncestor(HWND hwnd, UINT gaFlags) {
  std::shared_ptr<Window> w = WindowTable::Instance().Get(hwnd);
  if (!w) return nullptr;
  if (w->IsRoot()) return nullptr;
  switch (gaFlags) {
    case GA_PARENT:
      return HandleOf(w->parent);
    case GA_ROOT:
      return HandleOf(w->TopLevel());
    case GA_ROOTOWNER: {
      HWND current = HandleOf(w->TopLevel());
      while (HWND next = GetParent(current)) current = next;
      return current;
    }
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
  }
}

BOOL WINAPI IsChild(HWND hWndParent, HWND hWnd) {
  std::shared_ptr<Window> w = WindowTable::Instance().Find(hWnd);
  if (!w) return FALSE;
  for (const Window* p = w.get(); p && p->IsChildStyle() && p->parent; p = p->parent) {
    if (p->parent->handle == hWndParent) return TRUE;
  }
  return FALSE;
}

HWND WINAPI GetWindow(HWND hWnd, UINT uCmd) {
  std::shared_ptr<Window> w = WindowTable::Instance().Get(hWnd);
  if (!w) return nullptr;
  switch (uCmd) {
    case GW_HWNDFIRST:
      return w->parent ? w->parent->children.front()->handle : nullptr;
    case GW_HWNDLAST:
      return w->parent ? w->parent->children.back()->handle : nullptr;
    case GW_HWNDNEXT:
      return w->parent ? SiblingAt(*w, 1) : nullptr;
    case GW_HWNDPREV:
      return w->parent ? SiblingAt(*w, -1) : nullptr;
    case GW_OWNER:
      return WindowTable::Instance().Find(w->owner) ? w->owner : nullptr;
    case GW_CHILD:
      return w->children.empty() ? nullptr : w->children.front()->handle;
    case GW_ENABLEDPOPUP:
      for (const auto& top : WindowTable::Instance().Desktop().children) {
        if (top->owner == hWnd && top->IsEnabled() && (top->style & WS_VISIBLE) && (top->style & WS_POPUP)) {
          return top->handle;
        }
      }
      return hWnd;
    default:
      SetLastError(ERROR_INVALID_GW_COMMAND);
      return nullptr;
  }
}

HWND WINAPI GetTopWindow(HWND hWnd) { return GetWindow(hWnd ? hWnd : GetDesktopWindow(), GW_CHILD); }

HWND WINAPI SetParent(HWND hWndChild, HWND hWndNewParent) {
  std::shared_ptr<Window> w = WindowTable::Instance().Get(hWndChild);
  if (!w) return nullptr;
  std::shared_ptr<Window> newParent =
      hWndNewParent == HWND_MESSAGE ? WindowTable::Instance().Find(WindowTable::Instance().MessageRoot().handle)
                                    : WindowTable::Instance().Get(hWndNewParent ? hWndNewParent : GetDesktopWindow());
  if (!newParent) return nullptr;
  if (w->IsRoot() || w->Contains(newParent.get())) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  Window* oldParent = w->parent;
  const HWND previous = oldParent->handle;
  if (oldParent == newParent.get()) return previous;
  const bool wasVisible = (w->style & WS_VISIBLE) != 0;
  if (wasVisible) ShowWindow(hWndChild, SW_HIDE);
  if (!w->IsAlive()) return nullptr;
  const bool wasTopLevel = w->IsTopLevel();
  ZOrder::Remove(*w);
  ZOrder::InsertNew(*newParent, w);
  if (w->IsTopLevel()) {
    WindowPositioner::ResizeSurface(*w);
  } else {
    w->surface.reset();
  }
  if (wasTopLevel != w->IsTopLevel()) WindowPositioner::TellBackend(*w);
  SetWindowPos(hWndChild, HWND_TOP, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED | (wasVisible ? SWP_SHOWWINDOW : 0));
  return previous;
}

BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect) {
  std::shared_ptr<Window> w = WindowTable::Instance().Get(hWnd);
  if (!w) return FALSE;
  if (!lpRect) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *lpRect = RECT{0, 0, w->ClientWidth(), w->ClientHeight()};
  return TRUE;
}

BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect) {
  std::shared_ptr<Window> w = WindowTable::Instance().Get(hWnd);
  if (!w) return FALSE;
  if (!lpRect) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *lpRect = w->IsRoot() ? w->windowRect : w->WindowRectOnScreen();
  return TRUE;
}

BOOL WINAPI AdjustWindowRectEx(LPRECT lpRect, DWORD dwStyle, BOOL bMenu, DWORD dwExStyle) {
  if (!lpRect) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const RECT insets = NonClient::Insets(dwStyle, dwExStyle, bMenu != FALSE, false);
  lpRect->left -= insets.left;
  lpRect->top -= insets.top;
  lpRect->right += insets.right;
  lpRect->bottom += insets.bottom;
  return TRUE;
}

BOOL WINAPI AdjustWindowRect(LPRECT lpRect, DWORD dwStyle, BOOL bMenu) {
  return AdjustWindowRectEx(lpRect, dwStyle, bMenu, 0);
}

BOOL WINAPI ClientToScreen(HWND hWnd, LPPOINT lpPoint) {
  POINT origin;
  if (!hWnd) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  if (!ClientOrigin(hWnd, origin) || !lpPoint) return FALSE;
  lpPoint->x += origin.x;
  lpPoint->y += origin.y;
  return TRUE;
}

BOOL WINAPI ScreenToClient(HWND hWnd, LPPOINT lpPoint) {
  POINT origin;
  if (!hWnd) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  if (!ClientOrigin(hWnd, origin) || !lpPoint) return FALSE;
  lpPoint->x -= origin.x;
  lpPoint->y -= origin.y;
  return TRUE;
}

int WINAPI MapWindowPoints(HWND hWndFrom, HWND hWndTo, LPPOINT lpPoints, UINT cPoints) {
  POINT from, to;
  SetLastError(ERROR_SUCCESS);
  if (!ClientOrigin(hWndFrom, from) || !ClientOrigin(hWndTo, to)) return 0;
  const LONG dx = from.x - to.x;
  const LONG dy = from.y - to.y;
  for (UINT i = 0; lpPoints && i < cPoints; ++i) {
    lpPoints[i].x += dx;
    lpPoints[i].y += dy;
  }
  return MAKELONG(LOWORD(dx), LOWORD(dy));
}

HWND WINAPI WindowFromPoint(POINT Point) {
  std::shared_ptr<Window> w = InputRouter::WindowAt(Point, nullptr);
  return w ? w->handle : GetDesktopWindow();
}

HWND WINAPI ChildWindowFromPointEx(HWND hwnd, POINT pt, UINT flags) {
  std::shared_ptr<Window> parent = WindowTable::Instance().Get(hwnd);
  if (!parent) return nullptr;
  if (!Inside(RECT{0, 0, parent->ClientWidth(), parent->ClientHeight()}, pt)) return nullptr;
  for (const auto& child : parent->children) {
    if ((flags & CWP_SKIPINVISIBLE) && !(child->style & WS_VISIBLE)) continue;
    if ((flags & CWP_SKIPDISABLED) && !child->IsEnabled()) continue;
    if ((flags & CWP_SKIPTRANSPARENT) && (child->exStyle & WS_EX_TRANSPARENT)) continue;
    if (Inside(child->windowRect, pt)) return child->handle;
  }
  return hwnd;
}

HWND WINAPI ChildWindowFromPoint(HWND hWndParent, POINT Point) {
  return ChildWindowFromPointEx(hWndParent, Point, CWP_ALL);
}

HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem) {
  std::shared_ptr<Window> dialog = WindowTable::Instance().Get(hDlg);
  if (!dialog) return nullptr;
  for (const auto& child : dialog->children) {
    if (static_cast<int>(child->id) == nIDDlgItem) return child->handle;
  }
  SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
  return nullptr;
}

int WINAPI GetDlgCtrlID(HWND hWnd) {
  std::shared_ptr<Window> w = WindowTable::Instance().Get(hWnd);
  return w && w->IsChildStyle() ? static_cast<int>(w->id) : 0;
}

BOOL WINAPI SetWindowTextA(HWND hWnd, LPCSTR lpString) {
  if (!WindowTable::Instance().Get(hWnd)) return FALSE;
  return SendMessageA(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)) ? TRUE : FALSE;
}

int WINAPI GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount) {
  if (!WindowTable::Instance().Get(hWnd)) return 0;
  if (!lpString || nMaxCount <= 0) return 0;
  lpString[0] = '\0';
  return static_cast<int>(
      SendMessageA(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount), reinterpret_cast<LPARAM>(lpString)));
}

int WINAPI GetWindowTextLengthA(HWND hWnd) {
  if (!WindowTable::Instance().Get(hWnd)) return 0;
  return static_cast<int>(SendMessageA(hWnd, WM_GETTEXTLENGTH, 0, 0));
}

DWORD WINAPI GetWindowThreadProcessId(HWND hWnd, LPDWORD lpdwProcessId) {
  std::shared_ptr<Window> w = WindowTable::Instance().Get(hWnd);
  if (!w) return 0;
  if (lpdwProcessId) *lpdwProcessId = static_cast<DWORD>(getpid());
  return w->IsRoot() ? 0 : w->threadId;
}

}  // extern "C"
