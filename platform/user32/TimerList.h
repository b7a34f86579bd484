// The timers of one thread. WM_TIMER is generated on demand from them: a due timer yields one
// message however many periods have passed, and is rescheduled one period after it is taken.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "MessageFilter.h"

class TimerList {
 public:
  // Creates or replaces the timer; returns its id, or 0 when a new thread timer id cannot be
  // found. A null window with an unknown id gets a fresh id.
  UINT_PTR Set(HWND window, UINT_PTR id, UINT elapse, TIMERPROC procedure, DWORD now);
  bool Kill(HWND window, UINT_PTR id);
  void KillAllOf(HWND window);

  // The WM_TIMER of the earliest due timer the filter accepts; rescheduled when `remove`.
  std::optional<MSG> TakeDue(const MessageFilter& filter, DWORD now, bool remove);
  bool AnyDue(const MessageFilter& filter, DWORD now) const;
  // When the next timer falls due; none without timers.
  std::optional<DWORD> NextDue() const;
  // The same among the timers whose WM_TIMER the filter accepts.
  std::optional<DWORD> NextDue(const MessageFilter& filter) const;

  // Raised to USER_TIMER_MINIMUM, lowered to USER_TIMER_MAXIMUM.
  static UINT ClampElapse(UINT elapse);

 private:
  struct Timer {
    HWND window;
    UINT_PTR id;
    UINT elapse;
    TIMERPROC procedure;
    DWORD due;
  };
  // Ids handed out for thread timers (null window) start here.
  static constexpr UINT_PTR kFirstThreadTimerId = 0x7FF0;

  Timer* Find(HWND window, UINT_PTR id);
  UINT_PTR FreeThreadTimerId() const;
  const Timer* EarliestDue(const MessageFilter& filter, DWORD now) const;

  std::vector<Timer> timers_;
};
