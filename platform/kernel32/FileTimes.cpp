#include "FileTimes.h"

FILETIME FileTimes::FromTimespec(const timespec& time) {
  long long ticks = static_cast<long long>(time.tv_sec) * static_cast<long long>(kTicksPerSecond) +
                    time.tv_nsec / 100 + static_cast<long long>(kUnixEpoch);
  return FromTicks(ticks < 0 ? 0 : static_cast<ULONGLONG>(ticks));
}

timespec FileTimes::ToTimespec(const FILETIME& time) {
  long long ticks = static_cast<long long>(ToTicks(time)) - static_cast<long long>(kUnixEpoch);
  long long seconds = ticks / static_cast<long long>(kTicksPerSecond);
  long long rest = ticks % static_cast<long long>(kTicksPerSecond);
  if (rest < 0) {
    rest += kTicksPerSecond;
    --seconds;
  }
  return timespec{static_cast<time_t>(seconds), static_cast<long>(rest * 100)};
}

FILETIME FileTimes::Now() {
  timespec now;
  clock_gettime(CLOCK_REALTIME, &now);
  return FromTimespec(now);
}
