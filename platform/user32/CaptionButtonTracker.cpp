#include "CaptionButtonTracker.h"

#include "NonClient.h"
#include "NonClientPainter.h"
#include "WindowTable.h"

bool CaptionButtonTracker::OverCloseBox(HWND hwnd, POINT screen) {
  std::shared_ptr<Window> w = WindowTable::Instance().Find(hwnd);
  if (!w) return false;
  RECT box = NonClient::CloseButtonRect(*w);
  const RECT window = w->WindowRectOnScreen();
  OffsetRect(&box, window.left, window.top);
  return PtInRect(&box, screen) != FALSE;
}

void CaptionButtonTracker::TrackClose(HWND hwnd) {
  std::shared_ptr<Window> w = WindowTable::Instance().Find(hwnd);
  if (!w || (w->ClassStyle() & CS_NOCLOSE)) return;
  SetCapture(hwnd);
  bool pushed = true;
  NonClientPainter::PaintCloseButton(*w, pushed);
  bool released = false;
  MSG msg;
  while (!released && GetCapture() == hwnd) {
    if (!GetMessageA(&msg, nullptr, 0, 0)) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP) {
      const bool over = OverCloseBox(hwnd, msg.pt);
      if (over != pushed) NonClientPainter::PaintCloseButton(*w, pushed = over);
      released = msg.message == WM_LBUTTONUP;
      continue;
    }
    if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  if (GetCapture() == hwnd) ReleaseCapture();
  if (!IsWindow(hwnd)) return;
  if (pushed) NonClientPainter::PaintCloseButton(*w, false);
  if (released && pushed) SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, MAKELPARAM(msg.pt.x, msg.pt.y));
}
