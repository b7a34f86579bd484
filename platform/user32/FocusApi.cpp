// Keyboard focus, activation and the foreground window.
#include "Activation.h"
#include "MessageQueue.h"
#include "WindowTable.h"

extern "C" {

HWND WINAPI SetFocus(HWND hWnd) { return Activation::SetFocus(hWnd); }

HWND WINAPI GetFocus(void) {
  const HWND focus = MessageQueue::Current().focus;
  return WindowTable::Instance().Find(focus) ? focus : nullptr;
}

HWND WINAPI SetActiveWindow(HWND hWnd) {
  MessageQueue& queue = MessageQueue::Current();
  const HWND previous = WindowTable::Instance().Find(queue.active) ? queue.active : nullptr;
  if (hWnd) {
    std::shared_ptr<Window> w = WindowTable::Instance().Get(hWnd);
    if (!w) return nullptr;
    Window* top = w->TopLevel();
    if (!top || !Activation::Activate(top->handle, WA_ACTIVE)) return nullptr;
  } else {
    Activation::Activate(nullptr, WA_INACTIVE);
  }
  return previous;
}

HWND WINAPI GetActiveWindow(void) {
  const HWND active = MessageQueue::Current().active;
  return WindowTable::Instance().Find(active) ? active : nullptr;
}

BOOL WINAPI SetForegroundWindow(HWND hWnd) {
  std::shared_ptr<Window> w = WindowTable::Instance().Get(hWnd);
  if (!w || w->IsRoot()) return FALSE;
  Window* top = w->TopLevel();
  return top && Activation::Activate(top->handle, WA_ACTIVE) ? TRUE : FALSE;
}

HWND WINAPI GetForegroundWindow(void) { return Activation::Foreground(); }

}  // extern "C"
