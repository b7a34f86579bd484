// The millisecond clock of USER: message times, timers, double clicks, hover. It is the
// platform's one clock (GetTickCount); in virtual mode it moves only when told (tests and
// automation), so timer behaviour can be checked without sleeping, and GetTickCount and
// QueryPerformanceCounter follow it.
#pragma once

#include <windows.h>

class UserClock {
 public:
  // Milliseconds, wrapping like GetTickCount.
  static DWORD Now();

  static bool IsVirtual();
  // Switching on freezes the clock at the current time; switching off returns to host time.
  static void SetVirtual(bool enable);
  // Moves the virtual clock forward; no effect on the host clock.
  static void AdvanceVirtual(DWORD milliseconds);

  // True when `moment` is at or before `now`, across wrap-around.
  static bool IsDue(DWORD moment, DWORD now) { return static_cast<int32_t>(now - moment) >= 0; }
  // Milliseconds from `now` until `moment`, 0 when it has passed.
  static DWORD Until(DWORD moment, DWORD now) { return IsDue(moment, now) ? 0 : moment - now; }
};
