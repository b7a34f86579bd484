// Window and thread timers.
#include "UserClock.h"
#include "MessageQueue.h"
#include "WindowTable.h"

extern "C" {

UINT_PTR WINAPI SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc) {
  MessageQueue& queue = MessageQueue::Current();
  if (hWnd) {
    std::shared_ptr<Window> w = WindowTable::Instance().Get(hWnd);
    if (!w) return 0;
    if (w->IsRoot() || w->threadId != queue.ThreadId()) {
      SetLastError(ERROR_ACCESS_DENIED);
      return 0;
    }
  }
  const UINT_PTR id = queue.timers.Set(hWnd, nIDEvent, uElapse, lpTimerFunc, UserClock::Now());
  if (!id) SetLastError(ERROR_NO_TIMER_RESOURCES);
  queue.Wake();
  return id;
}

BOOL WINAPI KillTimer(HWND hWnd, UINT_PTR uIDEvent) {
  if (hWnd && !WindowTable::Instance().Get(hWnd)) return FALSE;
  if (!MessageQueue::Current().timers.Kill(hWnd, uIDEvent)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return TRUE;
}

}  // extern "C"
