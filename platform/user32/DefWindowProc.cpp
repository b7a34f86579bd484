// DefWindowProcA: the default handling of window messages.
#include <algorithm>
#include <cstring>

#include "Cursors.h"
#include "HostWindowSync.h"
#include "MessageQueue.h"
#include "NonClient.h"
#include "NonClientPainter.h"
#include "NonClientTracking.h"
#include "SystemColors.h"
#include "WindowLifecycle.h"
#include "WindowPositioner.h"
#include "WindowTable.h"

namespace {

HWND ParentOfChild(const Window& w) {
  return w.IsChildStyle() && w.parent && !w.parent->IsRoot() ? w.parent->handle : nullptr;
}

LRESULT SetText(Window& w, LPARAM lParam) {
  const auto* text = reinterpret_cast<LPCSTR>(lParam);
  w.text = text ? text : "";
  HostWindowSync::TellTitle(w);
  if (NonClient::HasCaption(w.style) && w.IsVisibleOnScreen()) {
    RedrawWindow(w.handle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
  }
  return TRUE;
}

LRESULT GetText(const Window& w, WPARAM size, LPARAM lParam) {
  auto* buffer = reinterpret_cast<LPSTR>(lParam);
  if (!buffer || size == 0) return 0;
  const size_t count = std::min(w.text.size(), static_cast<size_t>(size - 1));
  std::memcpy(buffer, w.text.data(), count);
  buffer[count] = '\0';
  return static_cast<LRESULT>(count);
}

HBRUSH ClassBrush(const Window& w) {
  const HBRUSH brush = w.windowClass ? w.windowClass->background : nullptr;
  const auto value = reinterpret_cast<UINT_PTR>(brush);
  // COLOR_x + 1 stands for the system colour's brush.
  if (value > 0 && value <= COLOR_MENUBAR + 1) return GetSysColorBrush(static_cast<int>(value - 1));
  return brush;
}

LRESULT EraseBackground(const Window& w, HDC hdc) {
  const HBRUSH brush = ClassBrush(w);
  if (!brush) return 0;
  const RECT client{0, 0, w.ClientWidth(), w.ClientHeight()};
  FillRect(hdc, &client, brush);
  return 1;
}

// The IDC_SIZE* ordinal for a sizing-border hit-test code.
WORD SizeCursorOrdinal(LRESULT hit) {
  switch (hit) {
    case HTLEFT:
    case HTRIGHT:
      return 32644;  // IDC_SIZEWE
    case HTTOP:
    case HTBOTTOM:
      return 32645;  // IDC_SIZENS
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
      return 32642;  // IDC_SIZENWSE
    default:
      return 32643;  // IDC_SIZENESW
  }
}

LRESULT SetCursorFor(const Window& w, WPARAM wParam, LPARAM lParam) {
  if (const HWND parent = ParentOfChild(w)) {
    if (SendMessageA(parent, WM_SETCURSOR, wParam, lParam)) return TRUE;
  }
  const auto hit = static_cast<SHORT>(LOWORD(lParam));
  if (hit == HTCLIENT) {
    if (w.windowClass && w.windowClass->cursor) {
      SetCursor(w.windowClass->cursor);
      return TRUE;
    }
    return FALSE;
  }
  if (hit == HTERROR) return FALSE;
  const bool sizing = hit >= HTLEFT && hit <= HTBOTTOMRIGHT;
  const WORD ordinal = sizing ? SizeCursorOrdinal(hit) : 32512;  // IDC_ARROW
  SetCursor(Cursors::System(MAKEINTRESOURCEA(ordinal)));
  return TRUE;
}

LRESULT MouseActivate(const Window& w, WPARAM wParam, LPARAM lParam) {
  if (const HWND parent = ParentOfChild(w)) {
    if (const LRESULT answer = SendMessageA(parent, WM_MOUSEACTIVATE, wParam, lParam)) return answer;
  }
  return (LOWORD(lParam) == HTCAPTION && HIWORD(lParam) == WM_LBUTTONDOWN) ? MA_NOACTIVATE : MA_ACTIVATE;
}

void ClampToTrackingSize(Window& w, WINDOWPOS& pos) {
  if (pos.flags & SWP_NOSIZE) return;
  if (!(w.style & WS_THICKFRAME) && (w.style & (WS_POPUP | WS_CHILD))) return;
  const MINMAXINFO info = WindowLifecycle::QueryMinMax(w);
  pos.cx = std::clamp<int>(pos.cx, info.ptMinTrackSize.x, std::max(info.ptMinTrackSize.x, info.ptMaxTrackSize.x));
  pos.cy = std::clamp<int>(pos.cy, info.ptMinTrackSize.y, std::max(info.ptMinTrackSize.y, info.ptMaxTrackSize.y));
}

POINT ScreenPoint(LPARAM lParam) {
  return POINT{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
}

// SC_SIZE carries the edge in its low four bits: 1 left ... 8 bottom right, in hit-test order.
LRESULT SizeEdge(WPARAM wParam) { return HTLEFT + static_cast<LRESULT>(wParam & 0x0F) - 1; }

LRESULT SystemCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  switch (wParam & 0xFFF0) {
    case SC_MOVE:
      NonClientTracking::MoveOrSize(hwnd, HTCAPTION, ScreenPoint(lParam));
      break;
    case SC_SIZE:
      if (wParam & 0x0F) NonClientTracking::MoveOrSize(hwnd, SizeEdge(wParam), ScreenPoint(lParam));
      break;
    case SC_CLOSE:
      SendMessageA(hwnd, WM_CLOSE, 0, 0);
      break;
    case SC_MINIMIZE:
      ShowWindow(hwnd, SW_MINIMIZE);
      break;
    case SC_MAXIMIZE:
      ShowWindow(hwnd, SW_SHOWMAXIMIZED);
      break;
    case SC_RESTORE:
      ShowWindow(hwnd, SW_RESTORE);
      break;
    default:
      break;
  }
  return 0;
}

}  // namespace

extern "C" LRESULT WINAPI DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  std::shared_ptr<Window> w = WindowTable::Instance().Find(hWnd);
  if (!w) return 0;
  switch (Msg) {
    case WM_NCCREATE: {
      const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) {
        w->text = cs->lpszName;
        HostWindowSync::TellTitle(*w);
      }
      return TRUE;
    }
    case WM_NCCALCSIZE: {
      auto* rect = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
      if (rect) *rect = NonClient::ClientFromWindow(*rect, w->style, w->exStyle, w->menu != nullptr);
      return 0;
    }
    case WM_NCHITTEST:
      return NonClient::HitTest(*w, POINT{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))});
    case WM_NCPAINT:
      NonClientPainter::Paint(*w, reinterpret_cast<HRGN>(wParam));
      return 0;
    case WM_NCACTIVATE:
      w->captionActive = wParam != FALSE;
      if (NonClient::HasCaption(w->style) && w->IsVisibleOnScreen()) NonClientPainter::Paint(*w, nullptr);
      return TRUE;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(hWnd, &ps);
      EndPaint(hWnd, &ps);
      return 0;
    }
    case WM_ERASEBKGND:
      return EraseBackground(*w, reinterpret_cast<HDC>(wParam));
    case WM_SETCURSOR:
      return SetCursorFor(*w, wParam, lParam);
    case WM_MOUSEACTIVATE:
      return MouseActivate(*w, wParam, lParam);
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !w->IsMinimized()) SetFocus(hWnd);
      return 0;
    case WM_CLOSE:
      DestroyWindow(hWnd);
      return 0;
    case WM_SYSCOMMAND:
      return SystemCommand(hWnd, wParam, lParam);
    case WM_SYSKEYDOWN:
      if (wParam == VK_F4 && (HIWORD(lParam) & KF_ALTDOWN)) {
        if (Window* top = w->TopLevel()) SendMessageA(top->handle, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      return 0;
    case WM_NCLBUTTONDOWN:
      NonClientTracking::Press(hWnd, static_cast<LRESULT>(wParam), ScreenPoint(lParam));
      return 0;
    case WM_NCLBUTTONDBLCLK:
      if (wParam == HTCAPTION && (w->style & WS_MAXIMIZEBOX) && !w->IsChildStyle()) {
        SendMessageA(hWnd, WM_SYSCOMMAND, w->IsMaximized() ? SC_RESTORE : SC_MAXIMIZE, lParam);
      } else if (wParam == HTSYSMENU) {
        SendMessageA(hWnd, WM_SYSCOMMAND, SC_CLOSE, lParam);
      }
      return 0;
    case WM_RBUTTONUP: {
      POINT p{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
      ClientToScreen(hWnd, &p);
      SendMessageA(hWnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hWnd), MAKELPARAM(p.x, p.y));
      return 0;
    }
    case WM_CONTEXTMENU:
    case WM_MOUSEWHEEL:
      if (const HWND parent = ParentOfChild(*w)) return SendMessageA(parent, Msg, wParam, lParam);
      return 0;
    case WM_CANCELMODE:
      if (GetCapture() == hWnd) ReleaseCapture();
      return 0;
    case WM_SETTEXT:
      return SetText(*w, lParam);
    case WM_GETTEXT:
      return GetText(*w, wParam, lParam);
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(w->text.size());
    case WM_SETICON: {
      HICON& slot = wParam == ICON_BIG ? w->bigIcon : w->smallIcon;
      const HICON previous = slot;
      slot = reinterpret_cast<HICON>(lParam);
      HostWindowSync::TellIcon(*w);
      return reinterpret_cast<LRESULT>(previous);
    }
    case WM_GETICON:
      return reinterpret_cast<LRESULT>(wParam == ICON_BIG ? w->bigIcon : w->smallIcon);
    case WM_WINDOWPOSCHANGING:
      ClampToTrackingSize(*w, *reinterpret_cast<WINDOWPOS*>(lParam));
      return 0;
    case WM_WINDOWPOSCHANGED:
      WindowPositioner::SendSizeAndMove(hWnd, reinterpret_cast<const WINDOWPOS*>(lParam)->flags);
      return 0;
    case WM_SETREDRAW:
      if (wParam) {
        if (w->redrawOff) w->style |= WS_VISIBLE;
        w->redrawOff = false;
      } else if (w->style & WS_VISIBLE) {
        RedrawWindow(hWnd, nullptr, nullptr, RDW_ALLCHILDREN | RDW_VALIDATE);
        w->style &= ~WS_VISIBLE;
        w->redrawOff = true;
      }
      return 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR: {
      const bool windowColour = Msg == WM_CTLCOLOREDIT || Msg == WM_CTLCOLORLISTBOX;
      const HDC hdc = reinterpret_cast<HDC>(wParam);
      SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
      SetBkColor(hdc, GetSysColor(windowColour ? COLOR_WINDOW : COLOR_3DFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(windowColour ? COLOR_WINDOW : COLOR_3DFACE));
    }
    case WM_QUERYENDSESSION:
    case WM_QUERYOPEN:
      return TRUE;
    default:
      return 0;
  }
}
