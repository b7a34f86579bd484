#include "Activation.h"

#include <atomic>

#include "MessageQueue.h"
#include "ThreadIdentity.h"
#include "WindowTable.h"

namespace {

std::atomic<HWND> foreground{nullptr};

bool IsFocusWithin(const Window& window, HWND focus) {
  std::shared_ptr<Window> f = WindowTable::Instance().Find(focus);
  return f && window.Contains(f.get());
}

}  // namespace

HWND Activation::Foreground() {
  const HWND current = foreground.load();
  return WindowTable::Instance().Find(current) ? current : nullptr;
}

bool Activation::CanTakeFocus(const Window& window) {
  for (const Window* w = &window; w && !w->IsRoot(); w = w->parent) {
    if (!w->IsEnabled() || w->IsMinimized()) return false;
  }
  return true;
}

HWND Activation::SetFocus(HWND hwnd) {
  MessageQueue& queue = MessageQueue::Current();
  if (!hwnd) {
    const HWND previous = queue.focus;
    queue.focus = nullptr;
    if (previous && WindowTable::Instance().Find(previous)) SendMessageA(previous, WM_KILLFOCUS, 0, 0);
    return previous;
  }
  std::shared_ptr<Window> window = WindowTable::Instance().Get(hwnd);
  if (!window || window->IsRoot()) return nullptr;
  if (window->threadId != queue.ThreadId()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return nullptr;
  }
  if (!CanTakeFocus(*window)) return nullptr;
  Window* top = window->TopLevel();
  if (top && top->handle != queue.active) {
    if (!Activate(top->handle, WA_ACTIVE) || !window->IsAlive()) return nullptr;
  }
  const HWND previous = queue.focus;
  if (previous == hwnd) return previous;
  queue.focus = hwnd;
  if (previous && WindowTable::Instance().Find(previous)) {
    SendMessageA(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
  }
  if (queue.focus == hwnd && window->IsAlive()) {
    SendMessageA(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
  }
  return previous;
}

void Activation::SendActivateApp(bool active) {
  const DWORD thread = ThreadIdentity::Current();
  const auto tops = WindowTable::Instance().Desktop().children;
  for (const auto& top : tops) {
    if (top->threadId == thread && top->IsAlive()) SendMessageA(top->handle, WM_ACTIVATEAPP, active ? TRUE : FALSE, 0);
  }
}

bool Activation::Activate(HWND hwnd, WORD how) {
  MessageQueue& queue = MessageQueue::Current();
  std::shared_ptr<Window> window;
  if (hwnd) {
    window = WindowTable::Instance().Get(hwnd);
    if (!window || !window->IsTopLevel() || window->threadId != queue.ThreadId() || !window->IsEnabled()) return false;
  }
  const HWND previous = queue.active;
  if (previous == hwnd) return true;
  std::shared_ptr<Window> old = WindowTable::Instance().Find(previous);
  if (old && old->IsAlive()) {
    if (!SendMessageA(previous, WM_NCACTIVATE, FALSE, 0) && window) return false;
    SendMessageA(previous, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, old->IsMinimized()), reinterpret_cast<LPARAM>(hwnd));
  }
  queue.active = hwnd;
  foreground = hwnd;
  const bool appChanges = !old != !window;
  if (appChanges) SendActivateApp(window != nullptr);
  if (!window) {
    if (queue.focus) SetFocus(nullptr);
    return true;
  }
  if (!window->IsAlive() || queue.active != hwnd) return false;
  SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SendMessageA(hwnd, WM_NCACTIVATE, TRUE, 0);
  SendMessageA(hwnd, WM_ACTIVATE, MAKEWPARAM(how, window->IsMinimized()), reinterpret_cast<LPARAM>(previous));
  // Focus belongs inside the active window; when its procedure did not place it there, the
  // window itself takes it.
  if (queue.active == hwnd && window->IsAlive() && !IsFocusWithin(*window, queue.focus)) {
    if (CanTakeFocus(*window)) {
      SetFocus(hwnd);
    } else if (queue.focus) {
      SetFocus(nullptr);
    }
  }
  return true;
}

void Activation::ActivateOther(Window& leaving) {
  MessageQueue& queue = MessageQueue::Current();
  if (queue.active != leaving.handle) return;
  std::shared_ptr<Window> owner = WindowTable::Instance().Find(leaving.owner);
  if (owner && owner->IsAlive() && owner->IsEnabled() && owner->IsVisibleOnScreen()) {
    Activate(owner->handle, WA_ACTIVE);
    return;
  }
  const auto tops = WindowTable::Instance().Desktop().children;
  for (const auto& top : tops) {
    if (top.get() != &leaving && top->threadId == queue.ThreadId() && top->IsAlive() && top->IsEnabled() &&
        top->IsVisibleOnScreen() && !leaving.Contains(top.get())) {
      Activate(top->handle, WA_ACTIVE);
      return;
    }
  }
  Activate(nullptr, WA_INACTIVE);
}

void Activation::ForgetSubtree(Window& window) {
  MessageQueue& queue = MessageQueue::Current();
  if (IsFocusWithin(window, queue.focus)) queue.focus = nullptr;
  if (IsFocusWithin(window, queue.active)) queue.active = nullptr;
  if (foreground.load() == window.handle) foreground = nullptr;
}
