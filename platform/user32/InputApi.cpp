// Mouse capture and tracking, the cursor, key states.
#include "UserClock.h"
#include "Cursors.h"
#include "DoubleClicks.h"
#include "MessageQueue.h"
#include "SystemInput.h"
#include "WindowTable.h"

extern "C" {

HWND WINAPI SetCapture(HWND hWnd) {
  MessageQueue& queue = MessageQueue::Current();
  std::shared_ptr<Window> w = WindowTable::Instance().Get(hWnd);
  if (!w || w->IsRoot() || w->threadId != queue.ThreadId()) return nullptr;
  const HWND previous = queue.capture;
  queue.capture = hWnd;
  // A window that captures again is not told it lost capture to itself [?].
  if (previous && previous != hWnd && WindowTable::Instance().Find(previous)) {
    SendMessageA(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hWnd));
  }
  return previous;
}

BOOL WINAPI ReleaseCapture(void) {
  MessageQueue& queue = MessageQueue::Current();
  const HWND previous = queue.capture;
  queue.capture = nullptr;
  if (previous && WindowTable::Instance().Find(previous)) SendMessageA(previous, WM_CAPTURECHANGED, 0, 0);
  return TRUE;
}

HWND WINAPI GetCapture(void) {
  const HWND capture = MessageQueue::Current().capture;
  return WindowTable::Instance().Find(capture) ? capture : nullptr;
}

BOOL WINAPI TrackMouseEvent(LPTRACKMOUSEEVENT lpEventTrack) {
  if (!lpEventTrack || lpEventTrack->cbSize != sizeof(TRACKMOUSEEVENT)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  MouseTracking& tracking = MessageQueue::Current().tracking;
  const DWORD flags = lpEventTrack->dwFlags;
  if (flags & TME_QUERY) {
    lpEventTrack->dwFlags = tracking.flags;
    lpEventTrack->hwndTrack = tracking.window;
    lpEventTrack->dwHoverTime = tracking.hoverTime;
    return TRUE;
  }
  if (flags & TME_NONCLIENT) {
    SetLastError(ERROR_INVALID_FLAGS);
    return FALSE;
  }
  std::shared_ptr<Window> w = WindowTable::Instance().Get(lpEventTrack->hwndTrack);
  if (!w) return FALSE;
  const DWORD kinds = flags & (TME_LEAVE | TME_HOVER);
  if (flags & TME_CANCEL) {
    if (tracking.window == w->handle) {
      tracking.flags &= ~kinds;
      if (!tracking.flags) tracking = MouseTracking{};
    }
    return TRUE;
  }
  const POINT cursor = SystemInput::Instance().CursorPos();
  const RECT client = w->ClientRectOnScreen();
  const bool over = cursor.x >= client.left && cursor.x < client.right && cursor.y >= client.top &&
                    cursor.y < client.bottom && WindowFromPoint(cursor) == w->handle;
  if (!over) {
    // Tracking a window the pointer is not over ends at once.
    if (kinds & TME_LEAVE) PostMessageA(w->handle, WM_MOUSELEAVE, 0, 0);
    return TRUE;
  }
  if (tracking.window != w->handle) tracking = MouseTracking{};
  tracking.window = w->handle;
  tracking.flags |= kinds;
  if (kinds & TME_HOVER) {
    tracking.hoverTime = lpEventTrack->dwHoverTime == HOVER_DEFAULT ? 400 : lpEventTrack->dwHoverTime;
    tracking.hoverStart = UserClock::Now();
    tracking.hoverPoint = cursor;
  }
  return TRUE;
}

BOOL WINAPI GetCursorPos(LPPOINT lpPoint) {
  if (!lpPoint) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *lpPoint = SystemInput::Instance().CursorPos();
  return TRUE;
}

BOOL WINAPI SetCursorPos(int X, int Y) {
  const POINT clamped{std::clamp(X, 0, GetSystemMetrics(SM_CXSCREEN) - 1),
                      std::clamp(Y, 0, GetSystemMetrics(SM_CYSCREEN) - 1)};
  InputEvent move;
  move.kind = InputEvent::Kind::MouseMove;
  move.screen = clamped;
  SystemInput::Instance().Deliver(move);
  return TRUE;
}

HCURSOR WINAPI LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName) {
  HCURSOR cursor = hInstance ? nullptr : Cursors::System(lpCursorName);
  if (!cursor) SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
  return cursor;
}

HCURSOR WINAPI SetCursor(HCURSOR hCursor) { return Cursors::SetCurrent(hCursor); }

HCURSOR WINAPI GetCursor(void) { return Cursors::Current(); }

UINT WINAPI GetDoubleClickTime(void) { return DoubleClicks::Time(); }

BOOL WINAPI SetDoubleClickTime(UINT uInterval) {
  DoubleClicks::SetTime(uInterval);
  return TRUE;
}

SHORT WINAPI GetKeyState(int nVirtKey) {
  if (nVirtKey < 0 || nVirtKey > 0xFF) return 0;
  const BYTE state = MessageQueue::Current().keys[nVirtKey];
  return static_cast<SHORT>(((state & 0x80) ? 0xFF80 : 0) | (state & 0x01));
}

SHORT WINAPI GetAsyncKeyState(int vKey) {
  return (SystemInput::Instance().AsyncKey(vKey) & 0x80) ? static_cast<SHORT>(0x8000) : 0;
}

}  // extern "C"
