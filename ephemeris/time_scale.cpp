// Calendar arithmetic and sidereal time on the ephemeris' day-number scale.
#include "ephemeris/time_scale.h"

#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/nutation.h"

namespace {

// Leap years: every fourth year in the Julian calendar; the Gregorian exceptions for
// the centuries apply after 1582, the calendar DayNumber switches to then.
bool IsLeapYear(double year) {
  if (std::fmod(year, 4.0) != 0.0) return false;
  if (year <= 1582.0) return true;
  return std::fmod(year, 100.0) != 0.0 || std::fmod(year, 400.0) == 0.0;
}

double MonthLength(double month, double year) {
  static const int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int m = static_cast<int>(month);
  if (m == 2 && IsLeapYear(year)) return 29.0;
  return kLengths[m - 1];
}

// Moves whole units from `low` (base `size`) into `high` until 0 <= low.
void Borrow(double& low, double& high, double size) {
  if (low < 0) {
    double units = std::ceil(-low / size);
    low += units * size;
    high -= units;
  }
}

// Moves whole units from `low` into `high` while low >= size.
void Carry(double& low, double& high, double size) {
  if (low >= size) {
    double units = std::floor(low / size);
    low -= units * size;
    high += units;
  }
}

// Mean sidereal time at 0 h UT plus the equation of the equinoxes, in seconds.
double SiderealSecondsAtMidnight(double midnightDayNumber, double dayNumber) {
  const double t = midnightDayNumber / 36525.0;
  const double g0 = 24110.54841 + 8640184.812866 * t + 0.093104 * t * t - 6.2e-6 * t * t * t;
  const double equation = NutationInLongitude(dayNumber) *
                          std::cos(TrueObliquity(dayNumber) * kRadiansPerDegree) / 15.0;
  return g0 + equation;
}

}  // namespace

double ReduceHours(double hours) {
  double h = std::fmod(hours, 24.0);
  if (h < 0) h += 24.0;
  if (h >= 24.0) h = 0.0;
  return h;
}

double DayNumber(const DateTimeRecord& r) {
  const double a = 12.0 * (r.year + 4800.0) + r.month - 3.0;
  const double y = std::floor(a / 12.0);
  const double mm = a - 12.0 * y;
  double j = std::floor((2.0 * mm + 365.0 * a + 7.0) / 12.0) + std::floor(a / 48.0) + r.day - 32083.0;
  if (j > 2299171.0) j += std::floor(a / 4800.0) - std::floor(a / 1200.0) + 38.0;
  return j + r.hour / 24.0 + r.minute / 1440.0 + r.second / 86400.0 - 0.5 - 2451545.0;
}

int NormaliseDateTime(DateTimeRecord& r) {
  double whole = 0;
  double fraction = std::modf(r.day, &whole);
  r.day = whole;
  r.hour += fraction * 24.0;
  fraction = std::modf(r.hour, &whole);
  r.hour = whole;
  r.minute += fraction * 60.0;
  fraction = std::modf(r.minute, &whole);
  r.minute = whole;
  r.second += fraction * 60.0;

  Borrow(r.second, r.minute, 60.0);
  Borrow(r.minute, r.hour, 60.0);
  Borrow(r.hour, r.day, 24.0);

  if (!(r.month >= 1.0 && r.month <= 12.0)) return -1;
  r.month = std::floor(r.month);

  Carry(r.second, r.minute, 60.0);
  Carry(r.minute, r.hour, 60.0);
  Carry(r.hour, r.day, 24.0);

  while (r.day < 1.0) {
    r.month -= 1.0;
    if (r.month < 1.0) {
      r.month = 12.0;
      r.year -= 1.0;
    }
    r.day += MonthLength(r.month, r.year);
  }
  while (r.day > MonthLength(r.month, r.year)) {
    r.day -= MonthLength(r.month, r.year);
    r.month += 1.0;
    if (r.month > 12.0) {
      r.month = 1.0;
      r.year += 1.0;
    }
  }
  return 0;
}

void DateFromDayNumber(double dayNumber, DateTimeRecord& r) {
  DateTimeRecord start = {2001, 1, 1, 0, 0, 0, 0};
  r.year = 2001;
  r.month = 1;
  r.day = dayNumber - DayNumber(start) + 1.0;
  r.hour = 0;
  r.minute = 0;
  r.second = 0;
  NormaliseDateTime(r);
}

void SiderealTime(DateTimeRecord& r) {
  const double ut = r.hour + r.minute / 60.0 + r.second / 3600.0;
  DateTimeRecord midnight = r;
  midnight.hour = midnight.minute = midnight.second = 0;
  const double seconds = SiderealSecondsAtMidnight(DayNumber(midnight), DayNumber(r));
  r.siderealHours = ReduceHours(seconds / 3600.0 + ut * 1.0027379093);
}

double SiderealTimeAt(double dayNumber) {
  const double midnight = std::floor(dayNumber + 0.5) - 0.5;
  const double ut = (dayNumber - midnight) * 24.0;
  const double seconds = SiderealSecondsAtMidnight(midnight, dayNumber);
  return ReduceHours(seconds / 3600.0 + ut * 1.0027379093);
}

DateTimeRecord LocalMidnight(const DateTimeRecord& now, double zoneHours) {
  DateTimeRecord r = now;
  r.hour += zoneHours;
  NormaliseDateTime(r);
  r.hour = -zoneHours;
  r.minute = 0;
  r.second = 0;
  NormaliseDateTime(r);
  return r;
}

DateTimeRecord AddDays(const DateTimeRecord& record, double days) {
  DateTimeRecord r = record;
  r.day += days;
  NormaliseDateTime(r);
  return r;
}

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date.
long long DaysFromCivil(long long y, long long m, long long d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

}  // namespace

DateTimeRecord UtcRecordFromUnixSeconds(long long seconds) {
  long long days = seconds / 86400;
  long long rest = seconds % 86400;
  if (rest < 0) {
    rest += 86400;
    days -= 1;
  }
  const long long z = days + 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  const long long d = doy - (153 * mp + 2) / 5 + 1;
  const long long m = mp < 10 ? mp + 3 : mp - 9;
  const long long y = yoe + era * 400 + (m <= 2);
  DateTimeRecord r = {static_cast<double>(y), static_cast<double>(m), static_cast<double>(d),
                      static_cast<double>(rest / 3600), static_cast<double>(rest / 60 % 60),
                      static_cast<double>(rest % 60), 0};
  return r;
}

long long UnixSecondsFromUtc(int year, int month, int day, int hour, int minute, int second) {
  return DaysFromCivil(year, month, day) * 86400 + hour * 3600LL + minute * 60LL + second;
}
