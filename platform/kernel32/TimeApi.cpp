// Tick counts, performance counter, sleeping and the calendar conversions.
#include <windows.h>

#include <unistd.h>

#include <ctime>

#include "CivilTime.h"
#include "Clock.h"
#include "FileTimes.h"
#include "Win32Error.h"

namespace {

constexpr ULONGLONG kPerformanceFrequency = 10000000;  // 100 ns units, fixed as on newer Windows

SYSTEMTIME ToSystemTime(ULONGLONG ticks) {
  long long days = static_cast<long long>(ticks / CivilTime::kTicksPerDay);
  ULONGLONG rest = ticks % CivilTime::kTicksPerDay;
  long long year;
  unsigned month, day;
  CivilTime::CivilFromDays(days, year, month, day);
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(year);
  time.wMonth = static_cast<WORD>(month);
  time.wDay = static_cast<WORD>(day);
  time.wDayOfWeek = static_cast<WORD>((days + 1) % 7);  // 1601-01-01 was a Monday
  time.wHour = static_cast<WORD>(rest / 36000000000ull);
  time.wMinute = static_cast<WORD>(rest / 600000000ull % 60);
  time.wSecond = static_cast<WORD>(rest / 10000000ull % 60);
  time.wMilliseconds = static_cast<WORD>(rest / 10000ull % 1000);
  return time;
}

ULONGLONG ShiftedNow(long long biasSeconds) {
  return FileTimes::ToTicks(FileTimes::Now()) + static_cast<ULONGLONG>(biasSeconds * 10000000ll);
}

}  // namespace

extern "C" {

DWORD WINAPI GetTickCount(void) { return static_cast<DWORD>(Clock::Nanoseconds() / 1000000ull); }

ULONGLONG WINAPI GetTickCount64(void) { return Clock::Nanoseconds() / 1000000ull; }

void WINAPI Sleep(DWORD dwMilliseconds) {
  if (dwMilliseconds == INFINITE) {
    for (;;) pause();
  }
  timespec delay{static_cast<time_t>(dwMilliseconds / 1000), static_cast<long>(dwMilliseconds % 1000) * 1000000L};
  while (nanosleep(&delay, &delay) != 0) {
  }
}

BOOL WINAPI QueryPerformanceCounter(LARGE_INTEGER* lpPerformanceCount) {
  if (!lpPerformanceCount) return Win32Error::Fail(ERROR_NOACCESS);
  lpPerformanceCount->QuadPart = static_cast<LONGLONG>(Clock::Nanoseconds() / (1000000000ull / kPerformanceFrequency));
  return TRUE;
}

BOOL WINAPI QueryPerformanceFrequency(LARGE_INTEGER* lpFrequency) {
  if (!lpFrequency) return Win32Error::Fail(ERROR_NOACCESS);
  lpFrequency->QuadPart = static_cast<LONGLONG>(kPerformanceFrequency);
  return TRUE;
}

void WINAPI GetSystemTimeAsFileTime(LPFILETIME lpSystemTimeAsFileTime) {
  if (lpSystemTimeAsFileTime) *lpSystemTimeAsFileTime = FileTimes::Now();
}

void WINAPI GetSystemTime(LPSYSTEMTIME lpSystemTime) {
  if (lpSystemTime) *lpSystemTime = ToSystemTime(ShiftedNow(0));
}

void WINAPI GetLocalTime(LPSYSTEMTIME lpSystemTime) {
  if (lpSystemTime) *lpSystemTime = ToSystemTime(ShiftedNow(CivilTime::LocalBiasSeconds()));
}

BOOL WINAPI FileTimeToSystemTime(const FILETIME* lpFileTime, LPSYSTEMTIME lpSystemTime) {
  if (!lpFileTime || !lpSystemTime) return Win32Error::Fail(ERROR_NOACCESS);
  ULONGLONG ticks = FileTimes::ToTicks(*lpFileTime);
  if (ticks >= 0x8000000000000000ull) return Win32Error::Fail(ERROR_INVALID_PARAMETER);
  *lpSystemTime = ToSystemTime(ticks);
  return TRUE;
}

BOOL WINAPI SystemTimeToFileTime(const SYSTEMTIME* lpSystemTime, LPFILETIME lpFileTime) {
  if (!lpSystemTime || !lpFileTime) return Win32Error::Fail(ERROR_NOACCESS);
  const SYSTEMTIME& t = *lpSystemTime;
  if (!CivilTime::IsValid(t)) return Win32Error::Fail(ERROR_INVALID_PARAMETER);
  ULONGLONG days = static_cast<ULONGLONG>(CivilTime::DaysFromCivil(t.wYear, t.wMonth, t.wDay));
  ULONGLONG ticks = days * CivilTime::kTicksPerDay + t.wHour * 36000000000ull + t.wMinute * 600000000ull +
                    t.wSecond * 10000000ull + t.wMilliseconds * 10000ull;
  *lpFileTime = FileTimes::FromTicks(ticks);
  return TRUE;
}

// Both directions use the bias in force now, not the one at the given time, as Windows does.
BOOL WINAPI FileTimeToLocalFileTime(const FILETIME* lpFileTime, LPFILETIME lpLocalFileTime) {
  if (!lpFileTime || !lpLocalFileTime) return Win32Error::Fail(ERROR_NOACCESS);
  long long ticks = static_cast<long long>(FileTimes::ToTicks(*lpFileTime)) + CivilTime::LocalBiasSeconds() * 10000000ll;
  *lpLocalFileTime = FileTimes::FromTicks(static_cast<ULONGLONG>(ticks));
  return TRUE;
}

BOOL WINAPI LocalFileTimeToFileTime(const FILETIME* lpLocalFileTime, LPFILETIME lpFileTime) {
  if (!lpFileTime || !lpLocalFileTime) return Win32Error::Fail(ERROR_NOACCESS);
  long long ticks = static_cast<long long>(FileTimes::ToTicks(*lpLocalFileTime)) - CivilTime::LocalBiasSeconds() * 10000000ll;
  *lpFileTime = FileTimes::FromTicks(static_cast<ULONGLONG>(ticks));
  return TRUE;
}

BOOL WINAPI FileTimeToDosDateTime(const FILETIME* lpFileTime, LPWORD lpFatDate, LPWORD lpFatTime) {
  if (!lpFileTime || !lpFatDate || !lpFatTime) return Win32Error::Fail(ERROR_NOACCESS);
  SYSTEMTIME t;
  if (!FileTimeToSystemTime(lpFileTime, &t)) return FALSE;
  if (t.wYear < 1980 || t.wYear > 2107) return Win32Error::Fail(ERROR_INVALID_PARAMETER);
  *lpFatDate = static_cast<WORD>(((t.wYear - 1980) << 9) | (t.wMonth << 5) | t.wDay);
  *lpFatTime = static_cast<WORD>((t.wHour << 11) | (t.wMinute << 5) | (t.wSecond / 2));
  return TRUE;
}

BOOL WINAPI DosDateTimeToFileTime(WORD wFatDate, WORD wFatTime, LPFILETIME lpFileTime) {
  if (!lpFileTime) return Win32Error::Fail(ERROR_NOACCESS);
  SYSTEMTIME t{};
  t.wYear = static_cast<WORD>(1980 + (wFatDate >> 9));
  t.wMonth = static_cast<WORD>((wFatDate >> 5) & 0x0F);
  t.wDay = static_cast<WORD>(wFatDate & 0x1F);
  t.wHour = static_cast<WORD>(wFatTime >> 11);
  t.wMinute = static_cast<WORD>((wFatTime >> 5) & 0x3F);
  t.wSecond = static_cast<WORD>((wFatTime & 0x1F) * 2);
  return SystemTimeToFileTime(&t, lpFileTime);
}

LONG WINAPI CompareFileTime(const FILETIME* lpFileTime1, const FILETIME* lpFileTime2) {
  if (!lpFileTime1 || !lpFileTime2) return 0;
  ULONGLONG a = FileTimes::ToTicks(*lpFileTime1);
  ULONGLONG b = FileTimes::ToTicks(*lpFileTime2);
  return a < b ? -1 : a > b ? 1 : 0;
}

}
