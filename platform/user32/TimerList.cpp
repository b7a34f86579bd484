#include "TimerList.h"

#include <algorithm>

#include "UserClock.h"

UINT TimerList::ClampElapse(UINT elapse) { return std::clamp<UINT>(elapse, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM); }

TimerList::Timer* TimerList::Find(HWND window, UINT_PTR id) {
  for (Timer& timer : timers_) {
    if (timer.window == window && timer.id == id) return &timer;
  }
  return nullptr;
}

UINT_PTR TimerList::FreeThreadTimerId() const {
  for (UINT_PTR id = kFirstThreadTimerId; id != 0; ++id) {
    const bool used =
        std::any_of(timers_.begin(), timers_.end(), [id](const Timer& t) { return t.window == nullptr && t.id == id; });
    if (!used) return id;
  }
  return 0;
}

UINT_PTR TimerList::Set(HWND window, UINT_PTR id, UINT elapse, TIMERPROC procedure, DWORD now) {
  elapse = ClampElapse(elapse);
  if (Timer* existing = Find(window, id); existing && (window || id != 0)) {
    *existing = Timer{window, id, elapse, procedure, now + elapse};
    return window ? 1 : id;
  }
  if (!window) {
    id = FreeThreadTimerId();
    if (id == 0) return 0;
  }
  timers_.push_back(Timer{window, id, elapse, procedure, now + elapse});
  return window ? 1 : id;
}

bool TimerList::Kill(HWND window, UINT_PTR id) {
  const auto it =
      std::find_if(timers_.begin(), timers_.end(), [&](const Timer& t) { return t.window == window && t.id == id; });
  if (it == timers_.end()) return false;
  timers_.erase(it);
  return true;
}

void TimerList::KillAllOf(HWND window) {
  std::erase_if(timers_, [window](const Timer& t) { return t.window == window; });
}

const TimerList::Timer* TimerList::EarliestDue(const MessageFilter& filter, DWORD now) const {
  const Timer* earliest = nullptr;
  for (const Timer& timer : timers_) {
    if (!UserClock::IsDue(timer.due, now) || !filter.MatchesWindow(timer.window)) continue;
    if (!earliest || static_cast<int32_t>(timer.due - earliest->due) < 0) earliest = &timer;
  }
  return earliest;
}

bool TimerList::AnyDue(const MessageFilter& filter, DWORD now) const {
  return filter.MatchesMessage(WM_TIMER) && EarliestDue(filter, now) != nullptr;
}

std::optional<MSG> TimerList::TakeDue(const MessageFilter& filter, DWORD now, bool remove) {
  if (!filter.MatchesMessage(WM_TIMER)) return std::nullopt;
  const Timer* found = EarliestDue(filter, now);
  if (!found) return std::nullopt;
  Timer& timer = *const_cast<Timer*>(found);
  MSG message{};
  message.hwnd = timer.window;
  message.message = WM_TIMER;
  message.wParam = timer.id;
  message.lParam = reinterpret_cast<LPARAM>(timer.procedure);
  message.time = now;
  if (remove) timer.due = now + timer.elapse;
  return message;
}

std::optional<DWORD> TimerList::NextDue() const { return NextDue(MessageFilter::Any()); }

std::optional<DWORD> TimerList::NextDue(const MessageFilter& filter) const {
  if (!filter.MatchesMessage(WM_TIMER)) return std::nullopt;
  std::optional<DWORD> next;
  for (const Timer& timer : timers_) {
    if (!filter.MatchesWindow(timer.window)) continue;
    if (!next || static_cast<int32_t>(timer.due - *next) < 0) next = timer.due;
  }
  return next;
}
