#include "CivilTime.h"

#include <ctime>

namespace {
// Era arithmetic counts from 0000-03-01; 1601-01-01 is this many days after it.
constexpr long long kEpochShift = 584694;
}  // namespace

long long CivilTime::DaysFromCivil(long long year, unsigned month, unsigned day) {
  year -= month <= 2;
  long long era = (year >= 0 ? year : year - 399) / 400;
  long long yearOfEra = year - era * 400;
  long long shiftedMonth = month > 2 ? static_cast<long long>(month) - 3 : static_cast<long long>(month) + 9;
  long long dayOfYear = (153 * shiftedMonth + 2) / 5 + day - 1;
  long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - kEpochShift;
}

void CivilTime::CivilFromDays(long long days, long long& year, unsigned& month, unsigned& day) {
  days += kEpochShift;
  long long era = (days >= 0 ? days : days - 146096) / 146097;
  long long dayOfEra = days - era * 146097;
  long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  long long monthIndex = (5 * dayOfYear + 2) / 153;
  day = static_cast<unsigned>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  month = static_cast<unsigned>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  year = yearOfEra + era * 400 + (month <= 2);
}

bool CivilTime::IsValid(const SYSTEMTIME& t) {
  if (t.wYear < 1601 || t.wYear > 30827 || t.wMonth < 1 || t.wMonth > 12 || t.wDay < 1) return false;
  if (t.wHour > 23 || t.wMinute > 59 || t.wSecond > 59 || t.wMilliseconds > 999) return false;
  long long year;
  unsigned month, day;
  CivilFromDays(DaysFromCivil(t.wYear, t.wMonth, t.wDay), year, month, day);
  return month == t.wMonth && day == t.wDay;
}

long long CivilTime::LocalBiasSeconds() {
  time_t now = time(nullptr);
  tm local{};
  localtime_r(&now, &local);
  return local.tm_gmtoff;
}
