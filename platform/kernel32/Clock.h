// The one clock behind GetTickCount, GetTickCount64 and QueryPerformanceCounter: the host's
// monotonic clock, or a replacement installed through WinportSetClock (a virtual clock).
#pragma once

#include <atomic>

#include <windows.h>

class Clock {
 public:
  using Source = ULONGLONG (*)();
  static ULONGLONG Nanoseconds();
  static void SetSource(Source source);

 private:
  static ULONGLONG Monotonic();
  static std::atomic<Source> source_;
};
