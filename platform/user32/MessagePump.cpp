#include "MessagePump.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "UserClock.h"
#include "DeferredSaves.h"
#include "Display.h"
#include "InputRouter.h"
#include "MessageQueue.h"
#include "MessageSender.h"
#include "Painting.h"
#include "Presenter.h"
#include "SystemInput.h"
#include "ThreadIdentity.h"
#include "WindowTable.h"

namespace {

std::atomic<IdleHandler> idleHandler{nullptr};
std::atomic<void*> idleContext{nullptr};
// How long a headless loop with nothing that could ever wake it waits before it ends; a real
// display waits for the user forever, and so does the headless one unless a test asks for an
// end (WinportSetIdleLimit, or WINIDLELIMIT in milliseconds for the programs a test starts).
DWORD IdleLimitFromEnvironment() {
  const char* text = std::getenv("WINIDLELIMIT");
  if (text == nullptr || *text == '\0') return INFINITE;
  char* end = nullptr;
  const unsigned long milliseconds = std::strtoul(text, &end, 10);
  return *end == '\0' && milliseconds < INFINITE ? static_cast<DWORD>(milliseconds) : INFINITE;
}

std::atomic<DWORD> idleLimit{IdleLimitFromEnvironment()};

// A loop whose window procedure never validates its update region would get WM_PAINT
// forever; DispatchPending stops after this many messages.
constexpr int kDispatchLimit = 100000;

void Stamp(MSG& msg, bool keepTime) {
  if (!keepTime) {
    msg.time = UserClock::Now();
    msg.pt = SystemInput::Instance().CursorPos();
  }
  MessageQueue& queue = MessageQueue::Current();
  queue.lastMessageTime = msg.time;
  queue.lastMessagePos = msg.pt;
}

}  // namespace

void MessagePump::SetIdleHandler(IdleHandler handler, void* context) {
  idleContext = context;
  idleHandler = handler;
}

void MessagePump::SetIdleLimit(DWORD milliseconds) { idleLimit = milliseconds; }

std::optional<MSG> MessagePump::PeekInput(const MessageFilter& filter, bool remove) {
  MessageQueue& queue = MessageQueue::Current();
  for (;;) {
    for (auto it = queue.input.begin(); it != queue.input.end(); ++it) {
      if (!filter.Matches(it->message)) continue;
      const RoutedInput found = *it;
      if (remove) {
        queue.input.erase(it);
        queue.keys = found.keys;
      }
      return found.message;
    }
    std::optional<RawInput> raw = SystemInput::Instance().Take();
    if (!raw) return std::nullopt;
    if (std::optional<RoutedInput> routed = InputRouter::Route(*raw)) queue.input.push_back(*routed);
  }
}

std::optional<MSG> MessagePump::PeekPaint(const MessageFilter& filter, bool remove) {
  if (!filter.MatchesMessage(WM_PAINT)) return std::nullopt;
  std::shared_ptr<Window> w = Painting::NextToPaint(filter, ThreadIdentity::Current());
  if (!w) return std::nullopt;
  if (remove) w->internalPaint = false;
  MSG msg{};
  msg.hwnd = w->handle;
  msg.message = WM_PAINT;
  return msg;
}

void MessagePump::CheckHover() {
  MessageQueue& queue = MessageQueue::Current();
  MouseTracking& tracking = queue.tracking;
  if (!(tracking.flags & TME_HOVER)) return;
  const POINT now = SystemInput::Instance().CursorPos();
  const int dx = GetSystemMetrics(SM_CXDOUBLECLK) / 2;
  const int dy = GetSystemMetrics(SM_CYDOUBLECLK) / 2;
  if (std::abs(now.x - tracking.hoverPoint.x) > dx || std::abs(now.y - tracking.hoverPoint.y) > dy) {
    tracking.hoverPoint = now;
    tracking.hoverStart = UserClock::Now();
    return;
  }
  if (!UserClock::IsDue(tracking.hoverStart + tracking.hoverTime, UserClock::Now())) return;
  std::shared_ptr<Window> w = WindowTable::Instance().Find(tracking.window);
  tracking.flags &= ~TME_HOVER;
  if (!tracking.flags) tracking.window = nullptr;
  if (!w) return;
  const POINT origin = w->ClientOriginOnScreen();
  PostMessageA(w->handle, WM_MOUSEHOVER, SystemInput::MouseKeyFlags(SystemInput::Instance().AsyncKeys()),
               MAKELPARAM(now.x - origin.x, now.y - origin.y));
}

std::optional<MSG> MessagePump::Peek(const MessageFilter& filter, UINT flags) {
  MessageQueue& queue = MessageQueue::Current();
  const bool remove = (flags & PM_REMOVE) != 0;
  DeferredSaves::Run();
  MessageSender::HandleIncoming();
  Display::Backend().PollEvents(SystemInput::Instance());
  CheckHover();
  if (std::optional<MSG> posted = queue.TakePosted(filter, remove)) {
    Stamp(*posted, true);
    return posted;
  }
  if (queue.quitPending) {
    MSG quit{};
    quit.message = WM_QUIT;
    quit.wParam = static_cast<WPARAM>(queue.quitCode);
    if (remove) queue.quitPending = false;
    Stamp(quit, false);
    return quit;
  }
  if (std::optional<MSG> input = PeekInput(filter, remove)) {
    Stamp(*input, true);
    return input;
  }
  if (std::optional<MSG> paint = PeekPaint(filter, remove)) {
    Stamp(*paint, false);
    return paint;
  }
  if (std::optional<MSG> timer = queue.timers.TakeDue(filter, UserClock::Now(), remove)) {
    Stamp(*timer, false);
    return timer;
  }
  return std::nullopt;
}

bool MessagePump::Available(const MessageFilter& filter) {
  MessageQueue& queue = MessageQueue::Current();
  if (queue.quitPending || queue.HasSent() || queue.HasPosted(filter) || SystemInput::Instance().HasPending())
    return true;
  for (const RoutedInput& input : queue.input) {
    if (filter.Matches(input.message)) return true;
  }
  if (filter.MatchesMessage(WM_PAINT) && Painting::NextToPaint(filter, queue.ThreadId())) return true;
  return queue.timers.AnyDue(filter, UserClock::Now());
}

std::optional<DWORD> MessagePump::NextDeadline(const MessageFilter& filter) {
  MessageQueue& queue = MessageQueue::Current();
  std::optional<DWORD> next = queue.timers.NextDue(filter);
  if (queue.tracking.flags & TME_HOVER) {
    const DWORD hover = queue.tracking.hoverStart + queue.tracking.hoverTime;
    if (!next || static_cast<int32_t>(hover - *next) < 0) next = hover;
  }
  return next;
}

// The headless display thread with nothing to do. Returns false when the loop should end.
bool MessagePump::WaitIdleHeadless(const MessageFilter& filter) {
  if (IdleHandler handler = idleHandler.load(); handler && handler(idleContext.load())) return true;
  if (Available(filter)) return true;
  MessageQueue& queue = MessageQueue::Current();
  const std::optional<DWORD> deadline = NextDeadline(filter);
  if (deadline && UserClock::IsVirtual()) {
    UserClock::AdvanceVirtual(UserClock::Until(*deadline, UserClock::Now()));
    return true;
  }
  if (deadline) {
    queue.WaitForWake(static_cast<int>(UserClock::Until(*deadline, UserClock::Now())));
    return true;
  }
  if (idleLimit.load() == INFINITE) {
    queue.WaitForWake(-1);
    return true;
  }
  // Wake-ups may be stale (input already taken); only the full limit without work ends the loop.
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(idleLimit.load());
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(giveUp - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    queue.WaitForWake(static_cast<int>(left.count()));
    if (Available(filter)) return true;
  }
  std::fprintf(stderr,
               "headless display: the message loop has been idle for %u ms with no timer and no input; "
               "ending it with WM_QUIT\n",
               static_cast<unsigned>(idleLimit.load()));
  return false;
}

void MessagePump::Wait(const MessageFilter& filter) {
  MessageQueue& queue = MessageQueue::Current();
  Presenter::Flush();
  Display::Backend().PollEvents(SystemInput::Instance());
  CheckHover();
  if (Available(filter)) return;
  if (queue.PumpsDisplay() && Display::IsHeadless()) {
    if (!WaitIdleHeadless(filter)) queue.SetQuit(0);
    return;
  }
  const std::optional<DWORD> deadline = NextDeadline(filter);
  queue.WaitForWake(deadline ? static_cast<int>(UserClock::Until(*deadline, UserClock::Now())) : -1);
}

int MessagePump::DispatchPending() {
  int count = 0;
  while (count < kDispatchLimit) {
    std::optional<MSG> msg = Peek(MessageFilter::Any(), PM_REMOVE);
    if (!msg) break;
    if (msg->message == WM_QUIT) {
      MessageQueue::Current().SetQuit(static_cast<int>(msg->wParam));
      break;
    }
    TranslateMessage(&*msg);
    DispatchMessageA(&*msg);
    ++count;
  }
  return count;
}
