#include "Clock.h"

#include <ctime>

#include <winport.h>

std::atomic<Clock::Source> Clock::source_{nullptr};

ULONGLONG Clock::Monotonic() {
  timespec now;
  clock_gettime(CLOCK_BOOTTIME, &now);
  return static_cast<ULONGLONG>(now.tv_sec) * 1000000000ull + static_cast<ULONGLONG>(now.tv_nsec);
}

ULONGLONG Clock::Nanoseconds() {
  Source source = source_.load(std::memory_order_acquire);
  return source ? source() : Monotonic();
}

void Clock::SetSource(Source source) { source_.store(source, std::memory_order_release); }

extern "C" void WinportSetClock(ULONGLONG (*nanoseconds)(void)) { Clock::SetSource(nanoseconds); }
