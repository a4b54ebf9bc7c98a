// The last new moon and the lunar day: day 1 begins at the new moon, every later lunar day
// at a moonrise.
#include "ephemeris/lunar_day.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "ephemeris/ephemeris_engine.h"
#include "ephemeris/moon_position.h"
#include "ephemeris/rise_set.h"
#include "ephemeris/sun_position.h"

namespace {

double Elongation(double t, double target) {
  return std::fmod(MoonLongitude(t) - (SunLongitude(t) - target), 360.0);
}

double IntoHalfTurn(double degrees) {
  if (degrees < -180.0) return degrees + 360.0;
  if (degrees > 180.0) return degrees - 360.0;
  return degrees;
}

double MoonriseOf(const DateTimeRecord& day) {
  double rise, set;
  RiseSetForDay(rise, set, day, BodyMoon, false);
  return rise;
}

// The moonrise of the date that begins at `day` (day number j), given the one its own
// search found. A rise within seconds of midnight may be found only from a neighbouring
// date's record (each search fixes the horizon at its own midnight); it belongs to this
// date all the same. Out of the date when neither neighbour finds one in it.
bool WithinDate(double t, double j) { return j <= t && t < j + 1; }

double RiseWithinDate(const DateTimeRecord& day, double j, double found) {
  if (WithinDate(found, j)) return found;
  const double other = MoonriseOf(AddDays(day, found < j ? 1 : -1));
  return WithinDate(other, j) ? other : found;
}

}  // namespace

double FindPhaseTime(DateTimeRecord record, double targetDegrees) {
  double target = std::fmod(targetDegrees, 360.0);
  if (target < 0) target += 360.0;
  double t = DayNumber(record);
  double step = 0;
  double rate = 0.0833;  // days per degree of elongation
  for (int pass = 0;; ) {
    t += step;
    double e = Elongation(t, target);
    double evaluatedAt = t;
    if (pass == 0) {
      if (e < 0) e += 360.0;
      const double back = e * 0.083;
      step = -back;
      const double t1 = t - back;
      const double e1 = Elongation(t1, target);
      const double e2 = IntoHalfTurn(std::fmod(
          MoonLongitude(t1 + 1) - (SunLongitude(t1 + 1) - target) - e1, 360.0));
      rate = 1.0 / e2;
      if (rate < 0.05 || rate > 0.12) rate = 0.0833;
      e = e1;
      evaluatedAt = t1;
    } else {
      e = IntoHalfTurn(e);
      step = -rate * e;
    }
    ++pass;
    if ((e >= -0.00001 && e <= 0.00001) || pass >= 100) return evaluatedAt;
  }
}

LunarDayCount CountLunarDaysTo(const DateTimeRecord& localMidnight, double zone) {
  LunarDayCount result;
  std::memset(&result, 0, sizeof result);
  const double today = DayNumber(localMidnight);
  result.today = today;

  const double lastNewMoon = FindPhaseTime(localMidnight, 0);
  DateTimeRecord afterLast;
  DateFromDayNumber(lastNewMoon, afterLast);
  afterLast.siderealHours = 0;
  afterLast.day += 40;
  NormaliseDateTime(afterLast);
  const double nextNewMoon = FindPhaseTime(afterLast, 0);
  result.lastNewMoon = lastNewMoon;
  result.nextNewMoon = nextNewMoon;

  DateTimeRecord newMoonDate;
  DateFromDayNumber(lastNewMoon, newMoonDate);
  newMoonDate.siderealHours = 0;
  DateTimeRecord r = LocalMidnight(newMoonDate, zone);
  double moonrise, moonset;
  RiseSetForDay(moonrise, moonset, r, BodyMoon, true);
  double j = DayNumber(r);
  if (j < today && !WithinDate(moonrise, j)) {
    const double found = MoonriseOf(r);
    if (std::fabs(found) < 1e100) {
      const double within = RiseWithinDate(r, j, found);
      if (WithinDate(within, j)) moonrise = within;
    }
  }
  int count = moonrise > lastNewMoon ? 2 : 1;

  const bool newMoonDateIsToday = j >= today;
  while (j < today) {
    r = AddDays(r, 1);
    j = DayNumber(r);
    RiseSetForDay(moonrise, moonset, r, BodyMoon, false);
    if (std::fabs(moonrise) > 1e100 || std::fabs(moonset) > 1e100) {
      result.failed = true;
      result.count = -1;
      result.moonrise = moonrise;
      return result;
    }
    // Every date is judged the same way, so a rise counted today is still counted once
    // today has become a past date.
    moonrise = RiseWithinDate(r, j, moonrise);
    if (WithinDate(moonrise, j)) ++count;
  }

  // On the new moon's own date the loop above has not run: a rise within today found
  // from a neighbouring date's record starts a lunar day today as well.
  if (newMoonDateIsToday && !WithinDate(moonrise, today)) {
    const double withinToday = RiseWithinDate(r, today, moonrise);
    if (WithinDate(withinToday, today)) {
      ++count;
      moonrise = withinToday;
    }
  }
  result.count = count;
  result.moonrise = moonrise;

  char riseText[16], newMoonText[16];
  FormatClockTime(riseText, (moonrise - today) * 24.0);
  FormatClockTime(newMoonText, (nextNewMoon - today) * 24.0);
  switch (DateShape(result)) {
  case NewMoonThenRise:
    std::snprintf(result.text, sizeof result.text, "%d/1(%.12s)/2(%.12s)", count - 1, newMoonText, riseText);
    break;
  case RiseThenNewMoon:
    std::snprintf(result.text, sizeof result.text, "%d/%d(%.12s)/1(%.12s)", count - 1, count, riseText, newMoonText);
    break;
  case NewMoonOnly:
    std::snprintf(result.text, sizeof result.text, "%d/1(%.12s)", count, newMoonText);
    break;
  case RiseOnly:
    std::snprintf(result.text, sizeof result.text, "%d/%d(%.12s)", count - 1, count, riseText);
    break;
  case NoChange:
    std::snprintf(result.text, sizeof result.text, "%d", count);
    break;
  }
  return result;
}

LunarDateShape DateShape(const LunarDayCount& n) {
  // A new moon today with a moonrise outside today (none on this date) would otherwise be
  // shown with the clock time of another date's moonrise.
  const bool newMoonToday = n.nextNewMoon < n.today + 1;
  const bool riseToday = n.today <= n.moonrise && n.moonrise <= n.today + 1;
  if (newMoonToday && !riseToday) return NewMoonOnly;
  if (n.moonrise > n.nextNewMoon) return newMoonToday ? NewMoonThenRise : NoChange;
  if (newMoonToday) return RiseThenNewMoon;
  return riseToday ? RiseOnly : NoChange;
}

int LunarDayAt(const LunarDayCount& n, double now) {
  if (n.failed) return -1;
  const double a = (n.moonrise - n.today) * 24.0;
  const double b = (n.nextNewMoon - n.today) * 24.0;
  const double c = (now - n.today) * 24.0;
  switch (DateShape(n)) {
  case NewMoonThenRise:
    if (c < b) return n.count - 1;
    return c < a ? 1 : 2;
  case RiseThenNewMoon:
    if (c < a) return n.count - 1;
    return c < b ? n.count : 1;
  case NewMoonOnly:
    return c < b ? n.count : 1;
  case RiseOnly:
    return c < a ? n.count - 1 : n.count;
  case NoChange:
    break;
  }
  return n.count;
}

int CountLunarDay(DateTimeRecord nowRecord, char* text) {
  const double zone = EngineZoneHours();
  const LunarDayCount n = CountLunarDaysTo(LocalMidnight(nowRecord, zone), zone);
  std::memcpy(text, n.text, kLunarDayTextSize);
  return LunarDayAt(n, DayNumber(nowRecord));
}

const char* FormatClockTime(char* buffer, double hours) {
  // Anything beyond a few days is not a clock time (and would not fit an int).
  if (!(std::fabs(hours) < 1e6)) {
    std::snprintf(buffer, 16, "--:--");
    return buffer;
  }
  int h = static_cast<int>(hours);
  int m = static_cast<int>((hours - h) * 60.0);
  if (m == 60) {
    h += 1;
    m = 0;
  }
  std::snprintf(buffer, 16, "%02d:%02d", h, m);
  return buffer;
}
