#include "InputRouter.h"

#include "Activation.h"
#include "DoubleClicks.h"
#include "HostWindowSync.h"
#include "WindowLifecycle.h"
#include "WindowTable.h"

namespace {

bool Inside(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

UINT ButtonOffset(InputEvent::Button button) {
  switch (button) {
    case InputEvent::Button::Left:
      return 0;
    case InputEvent::Button::Right:
      return 3;
    case InputEvent::Button::Middle:
      return 6;
  }
  return 0;
}

bool IsPress(const RawInput& raw) { return raw.event.kind == InputEvent::Kind::ButtonDown; }

LPARAM ClientPoint(const Window& w, POINT screen) {
  const POINT origin = w.ClientOriginOnScreen();
  return MAKELPARAM(screen.x - origin.x, screen.y - origin.y);
}

RoutedInput Make(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, const RawInput& raw) {
  MSG msg{};
  msg.hwnd = hwnd;
  msg.message = message;
  msg.wParam = wParam;
  msg.lParam = lParam;
  msg.time = raw.time;
  msg.pt = raw.event.screen;
  return RoutedInput{msg, raw.keys};
}

}  // namespace

std::optional<RoutedInput> InputRouter::Route(const RawInput& raw) {
  switch (raw.event.kind) {
    case InputEvent::Kind::MouseMove:
    case InputEvent::Kind::ButtonDown:
    case InputEvent::Kind::ButtonUp:
      return RouteMouse(raw);
    case InputEvent::Kind::Wheel:
      return RouteWheel(raw);
    case InputEvent::Kind::KeyDown:
    case InputEvent::Kind::KeyUp:
      return RouteKey(raw);
    case InputEvent::Kind::Char:
      return RouteChar(raw);
    case InputEvent::Kind::CloseRequest:
    case InputEvent::Kind::Minimized:
    case InputEvent::Kind::Restored:
      return RouteSystemCommand(raw);
    case InputEvent::Kind::Moved:
    case InputEvent::Kind::FocusGained:
    case InputEvent::Kind::FocusLost:
      HostWindowSync::Apply(raw.event);
      return std::nullopt;
  }
  return std::nullopt;
}

// The window manager's close button, iconify and restore reach the window as the same commands
// its own caption buttons send.
std::optional<RoutedInput> InputRouter::RouteSystemCommand(const RawInput& raw) {
  std::shared_ptr<Window> w = WindowTable::Instance().Find(reinterpret_cast<HWND>(raw.event.surface));
  if (!w || !w->IsAlive()) return std::nullopt;
  switch (raw.event.kind) {
    case InputEvent::Kind::Minimized:
      if (w->IsMinimized()) return std::nullopt;
      return Make(w->handle, WM_SYSCOMMAND, SC_MINIMIZE, 0, raw);
    case InputEvent::Kind::Restored:
      if (!w->IsMinimized()) return std::nullopt;
      return Make(w->handle, WM_SYSCOMMAND, SC_RESTORE, 0, raw);
    default:
      return Make(w->handle, WM_SYSCOMMAND, SC_CLOSE, 0, raw);
  }
}

std::shared_ptr<Window> InputRouter::Deepest(POINT screen, const std::set<const Window*>& skip) {
  const DWORD thread = MessageQueue::Current().ThreadId();
  std::shared_ptr<Window> found;
  const std::vector<std::shared_ptr<Window>>* level = &WindowTable::Instance().Desktop().children;
  for (;;) {
    std::shared_ptr<Window> next;
    for (const auto& w : *level) {
      if (!(w->style & WS_VISIBLE) || !w->IsAlive() || skip.count(w.get())) continue;
      if (!Inside(w->WindowRectOnScreen(), screen)) continue;
      if (found && !w->IsEnabled()) break;  // a disabled child: its parent gets the input
      next = w;
      break;
    }
    if (!next) break;
    found = next;
    if (!found->IsEnabled() || !Inside(found->ClientRectOnScreen(), screen)) break;
    level = &found->children;
  }
  if (found && found->threadId != thread) return nullptr;
  return found;
}

std::shared_ptr<Window> InputRouter::WindowAt(POINT screen, LRESULT* hitTest) {
  std::set<const Window*> skip;
  for (;;) {
    std::shared_ptr<Window> w = Deepest(screen, skip);
    if (!w) return nullptr;
    const LRESULT hit = SendMessageA(w->handle, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
    if (hit != HTTRANSPARENT || !w->IsAlive()) {
      if (hitTest) *hitTest = hit;
      return w->IsAlive() ? w : nullptr;
    }
    skip.insert(w.get());
  }
}

UINT InputRouter::ClientMessage(const RawInput& raw) {
  switch (raw.event.kind) {
    case InputEvent::Kind::ButtonDown:
      return WM_LBUTTONDOWN + ButtonOffset(raw.event.button);
    case InputEvent::Kind::ButtonUp:
      return WM_LBUTTONUP + ButtonOffset(raw.event.button);
    default:
      return WM_MOUSEMOVE;
  }
}

void InputRouter::TrackLeave(HWND target, LRESULT hitTest) {
  MouseTracking& tracking = MessageQueue::Current().tracking;
  if (!tracking.window || (tracking.window == target && hitTest == HTCLIENT)) return;
  const HWND left = tracking.window;
  const bool wantsLeave = (tracking.flags & TME_LEAVE) != 0;
  tracking = MouseTracking{};
  if (wantsLeave) PostMessageA(left, WM_MOUSELEAVE, 0, 0);
}

std::optional<RoutedInput> InputRouter::RouteMouse(const RawInput& raw) {
  MessageQueue& queue = MessageQueue::Current();
  const POINT screen = raw.event.screen;
  const WORD keys = SystemInput::MouseKeyFlags(raw.keys);
  UINT message = ClientMessage(raw);

  if (std::shared_ptr<Window> capture = WindowTable::Instance().Find(queue.capture)) {
    TrackLeave(capture->handle, HTCLIENT);
    if (IsPress(raw) && DoubleClicks::Press(raw.event.button, capture->handle, screen, raw.time) &&
        (capture->ClassStyle() & CS_DBLCLKS)) {
      message += 2;
    }
    return Make(capture->handle, message, keys, ClientPoint(*capture, screen), raw);
  }

  LRESULT hit = HTNOWHERE;
  std::shared_ptr<Window> target = WindowAt(screen, &hit);
  TrackLeave(target ? target->handle : nullptr, hit);
  if (!target) return std::nullopt;
  const HWND hwnd = target->handle;
  Window* top = target->TopLevel();
  if (!target->IsEnabled() || (top && !top->IsEnabled())) {
    SendMessageA(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(HTERROR, message));
    if (IsPress(raw) && top) {
      const HWND popup = GetWindow(top->handle, GW_ENABLEDPOPUP);
      if (popup && popup != top->handle) Activation::Activate(popup, WA_ACTIVE);
    }
    return std::nullopt;
  }

  bool eat = false;
  if (IsPress(raw) && top && top->handle != queue.active) {
    const LRESULT answer =
        SendMessageA(hwnd, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top->handle), MAKELPARAM(hit, message));
    if (answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) Activation::Activate(top->handle, WA_CLICKACTIVE);
    eat = answer == MA_ACTIVATEANDEAT || answer == MA_NOACTIVATEANDEAT;
    if (!target->IsAlive()) return std::nullopt;
  }
  SendMessageA(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(hit, message));
  if (eat || !target->IsAlive()) return std::nullopt;

  const bool client = hit == HTCLIENT;
  if (IsPress(raw) && DoubleClicks::Press(raw.event.button, hwnd, screen, raw.time) &&
      (!client || (target->ClassStyle() & CS_DBLCLKS))) {
    message += 2;
  }
  if (!client) {
    const UINT nonClient = message - WM_MOUSEMOVE + WM_NCMOUSEMOVE;
    return Make(hwnd, nonClient, static_cast<WPARAM>(hit), MAKELPARAM(screen.x, screen.y), raw);
  }
  if (IsPress(raw)) {
    WindowLifecycle::NotifyParents(*target, MAKEWPARAM(message, 0),
                                   [screen](Window& parent) { return ClientPoint(parent, screen); });
    if (!target->IsAlive()) return std::nullopt;
  }
  return Make(hwnd, message, keys, ClientPoint(*target, screen), raw);
}

std::optional<RoutedInput> InputRouter::RouteWheel(const RawInput& raw) {
  MessageQueue& queue = MessageQueue::Current();
  const HWND target = queue.focus ? queue.focus : queue.active;
  if (!WindowTable::Instance().Find(target)) return std::nullopt;
  const WPARAM wParam = MAKEWPARAM(SystemInput::MouseKeyFlags(raw.keys), static_cast<SHORT>(raw.event.wheelDelta));
  return Make(target, WM_MOUSEWHEEL, wParam, MAKELPARAM(raw.event.screen.x, raw.event.screen.y), raw);
}

std::optional<RoutedInput> InputRouter::RouteKey(const RawInput& raw) {
  MessageQueue& queue = MessageQueue::Current();
  const bool down = raw.event.kind == InputEvent::Kind::KeyDown;
  const UINT vk = raw.event.virtualKey;
  const bool alt = (raw.keys[VK_MENU] & 0x80) != 0;
  HWND target = queue.focus;
  bool system = alt || vk == VK_F10 || (vk == VK_MENU);
  if (!target) {
    target = queue.active;
    system = true;
  }
  std::shared_ptr<Window> w = WindowTable::Instance().Find(target);
  if (!w || !w->IsEnabled()) return std::nullopt;
  // Releasing Alt after it was held alone still counts as a system key.
  const UINT message = system ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
  LPARAM lParam = 1 | (static_cast<LPARAM>(raw.event.scanCode & 0xFF) << 16);
  if (raw.event.extendedKey) lParam |= LPARAM{1} << 24;
  if (alt || (vk == VK_MENU && !down)) lParam |= LPARAM{1} << 29;
  if (!down || raw.repeat) lParam |= LPARAM{1} << 30;
  if (!down) lParam |= LPARAM{1} << 31;
  return Make(target, message, vk, static_cast<LPARAM>(static_cast<DWORD>(lParam)), raw);
}

std::optional<RoutedInput> InputRouter::RouteChar(const RawInput& raw) {
  MessageQueue& queue = MessageQueue::Current();
  const HWND target = queue.focus ? queue.focus : queue.active;
  std::shared_ptr<Window> w = WindowTable::Instance().Find(target);
  if (!w || !w->IsEnabled()) return std::nullopt;
  const UINT message = queue.focus ? WM_CHAR : WM_SYSCHAR;
  return Make(target, message, raw.event.character, 1, raw);
}
