// FILETIME (100 ns since 1601-01-01 UTC) to and from host times.
#pragma once

#include <ctime>

#include <windows.h>

class FileTimes {
 public:
  static constexpr ULONGLONG kUnixEpoch = 116444736000000000ull;
  static constexpr ULONGLONG kTicksPerSecond = 10000000ull;

  static ULONGLONG ToTicks(const FILETIME& time) {
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  }
  static FILETIME FromTicks(ULONGLONG ticks) {
    return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
  }
  static FILETIME FromTimespec(const timespec& time);
  static timespec ToTimespec(const FILETIME& time);
  static FILETIME Now();
};
