// Calendar arithmetic for SYSTEMTIME <-> FILETIME (proleptic Gregorian, from 1601).
#pragma once

#include <windows.h>

class CivilTime {
 public:
  static constexpr long long kTicksPerDay = 864000000000ll;
  // Days since 1601-01-01 of a date.
  static long long DaysFromCivil(long long year, unsigned month, unsigned day);
  static void CivilFromDays(long long days, long long& year, unsigned& month, unsigned& day);
  static bool IsValid(const SYSTEMTIME& time);
  // Seconds to add to UTC for local time now.
  static long long LocalBiasSeconds();
};
