#include "NonClientTracking.h"

#include "MessageQueue.h"
#include "NonClient.h"
#include "WindowDcs.h"
#include "WindowTable.h"

namespace {

constexpr WPARAM kScContextHelp = 0xF180;  // SC_CONTEXTHELP

bool Inside(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

void DrawButton(HWND hwnd, const RECT& rect, UINT kind, bool pressed) {
  HDC hdc = GetWindowDC(hwnd);
  RECT r = rect;
  DrawFrameControl(hdc, &r, DFC_CAPTION, kind | (pressed ? DFCS_PUSHED : 0));
  ReleaseDC(hwnd, hdc);
}

UINT GlyphFor(const Window& w, LRESULT hit) {
  switch (hit) {
    case HTCLOSE:
      return DFCS_CAPTIONCLOSE;
    case HTMINBUTTON:
      return DFCS_CAPTIONMIN;
    case HTMAXBUTTON:
      return w.IsMaximized() ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX;
    default:
      return DFCS_CAPTIONHELP;
  }
}

}  // namespace

RECT NonClientTracking::ButtonRect(const Window& w, LRESULT hit) {
  switch (hit) {
    case HTCLOSE:
      return NonClient::CloseButtonRect(w);
    case HTMINBUTTON:
      return NonClient::MinimizeButtonRect(w);
    case HTMAXBUTTON:
      return NonClient::MaximizeButtonRect(w);
    default:
      return NonClient::HelpButtonRect(w);
  }
}

WPARAM NonClientTracking::CommandFor(const Window& w, LRESULT hit) {
  switch (hit) {
    case HTCLOSE:
      return SC_CLOSE;
    case HTMINBUTTON:
      return SC_MINIMIZE;
    case HTMAXBUTTON:
      return w.IsMaximized() ? SC_RESTORE : SC_MAXIMIZE;
    default:
      return kScContextHelp;
  }
}

bool NonClientTracking::NextMouse(HWND hwnd, MSG& msg) {
  for (;;) {
    if (GetCapture() != hwnd || !IsWindow(hwnd)) return false;
    if (!GetMessageA(&msg, nullptr, 0, 0)) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) return true;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void NonClientTracking::TrackButton(HWND hwnd, LRESULT hit) {
  std::shared_ptr<Window> w = WindowTable::Instance().Find(hwnd);
  if (!w) return;
  const RECT button = ButtonRect(*w, hit);
  const bool disabled = (hit == HTCLOSE && (w->ClassStyle() & CS_NOCLOSE)) ||
                        (hit == HTMINBUTTON && !(w->style & WS_MINIMIZEBOX)) ||
                        (hit == HTMAXBUTTON && !(w->style & WS_MAXIMIZEBOX));
  if (button.right <= button.left || disabled) return;
  const UINT glyph = GlyphFor(*w, hit);
  SetCapture(hwnd);
  bool pressed = true;
  DrawButton(hwnd, button, glyph, true);
  MSG msg;
  bool released = false;
  while (NextMouse(hwnd, msg)) {
    const POINT origin = w->WindowOriginOnScreen();
    const POINT at{msg.pt.x - origin.x, msg.pt.y - origin.y};
    const bool over = Inside(button, at);
    if (over != pressed) {
      pressed = over;
      DrawButton(hwnd, button, glyph, pressed);
    }
    if (msg.message == WM_LBUTTONUP) {
      released = true;
      break;
    }
  }
  if (GetCapture() == hwnd) ReleaseCapture();
  if (!w->IsAlive()) return;
  if (pressed) DrawButton(hwnd, button, glyph, false);
  if (released && pressed) SendMessageA(hwnd, WM_SYSCOMMAND, CommandFor(*w, hit), MAKELPARAM(msg.pt.x, msg.pt.y));
}

RECT NonClientTracking::Dragged(const RECT& start, LRESULT hit, int dx, int dy) {
  RECT r = start;
  if (hit == HTCAPTION) {
    OffsetRect(&r, dx, dy);
    return r;
  }
  if (hit == HTLEFT || hit == HTTOPLEFT || hit == HTBOTTOMLEFT) r.left += dx;
  if (hit == HTRIGHT || hit == HTTOPRIGHT || hit == HTBOTTOMRIGHT) r.right += dx;
  if (hit == HTTOP || hit == HTTOPLEFT || hit == HTTOPRIGHT) r.top += dy;
  if (hit == HTBOTTOM || hit == HTBOTTOMLEFT || hit == HTBOTTOMRIGHT) r.bottom += dy;
  return r;
}

void NonClientTracking::MoveOrSize(HWND hwnd, LRESULT hit, POINT screen) {
  std::shared_ptr<Window> w = WindowTable::Instance().Find(hwnd);
  if (!w || w->IsMaximized() || w->IsMinimized()) return;
  const bool sizing = hit != HTCAPTION;
  if (sizing && !(w->style & WS_THICKFRAME)) return;
  const RECT start = w->windowRect;
  SendMessageA(hwnd, WM_ENTERSIZEMOVE, 0, 0);
  SetCapture(hwnd);
  MSG msg;
  while (NextMouse(hwnd, msg)) {
    const RECT r = Dragged(start, hit, msg.pt.x - screen.x, msg.pt.y - screen.y);
    SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | (sizing ? 0 : SWP_NOSIZE));
    if (msg.message == WM_LBUTTONUP) break;
  }
  if (GetCapture() == hwnd) ReleaseCapture();
  if (IsWindow(hwnd)) SendMessageA(hwnd, WM_EXITSIZEMOVE, 0, 0);
}

void NonClientTracking::Press(HWND hwnd, LRESULT hit, POINT screen) {
  std::shared_ptr<Window> w = WindowTable::Instance().Find(hwnd);
  if (!w) return;
  switch (hit) {
    case HTCAPTION:
      if (Window* top = w->TopLevel()) SetActiveWindow(top->handle);
      SendMessageA(hwnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, MAKELPARAM(screen.x, screen.y));
      break;
    case HTCLOSE:
    case HTMINBUTTON:
    case HTMAXBUTTON:
    case HTHELP:
      TrackButton(hwnd, hit);
      break;
    default:
      if (hit >= HTLEFT && hit <= HTBOTTOMRIGHT) {
        SendMessageA(hwnd, WM_SYSCOMMAND, SC_SIZE + (hit - HTLEFT + 1), MAKELPARAM(screen.x, screen.y));
      }
      break;
  }
}
