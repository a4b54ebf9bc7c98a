// Hour-angle iteration for rise and set, with retries on the neighbouring dates.
#include "ephemeris/rise_set.h"

#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/coordinates.h"
#include "ephemeris/ephemeris_engine.h"
#include "ephemeris/moon_position.h"
#include "ephemeris/moon_state.h"
#include "ephemeris/nutation.h"
#include "ephemeris/sun_position.h"

namespace {

// One event: rising when `rising`, setting otherwise.
double SearchEvent(double startDay, Body body, double zenithDistance, bool rising) {
  const double phi = ObserverPlace.latitude * kRadiansPerDegree;
  const double longitude = ObserverPlace.longitude;
  const double cosZenith = std::cos(zenithDistance * kRadiansPerDegree);
  double t = startDay + 0.5;
  double previous = 0;
  double change = 10;
  int passes = 0, up = 0, down = 0;
  while (change > 0.00001 || change < -0.00001) {
    if (passes == kRiseSetPassLimit) break;  // keep the last estimate
    ++passes;
    double lambda, beta;
    if (body == BodyMoon) {
      lambda = MoonLongitude(t);
      beta = MoonLatitude(t);
    } else {
      lambda = SunLongitude(t);
      beta = 0;
    }
    lambda += NutationInLongitude(t) / 3600.0;
    EclipticToEquatorial(lambda, beta, TrueObliquity(t));
    const double alpha = lambda, delta = beta * kRadiansPerDegree;
    const double theta = ReduceDegrees(SiderealTimeAt(t) * 15.0 + longitude);

    const double cosH = (cosZenith - std::sin(delta) * std::sin(phi)) / (std::cos(delta) * std::cos(phi));
    if (cosH > 1) return NeverRises;
    if (cosH < -1) return AlwaysUp;
    const double h = std::acos(cosH) * kDegreesPerRadian;
    double deltaH;
    if (rising) {
      double a = alpha - h;
      if (a < 0) a += 360.0;
      deltaH = a - theta;
    } else {
      deltaH = (alpha + h) - theta;
    }
    if (passes >= 2) {
      if (deltaH > 180.0) deltaH -= 360.0;
      else if (deltaH < -180.0) deltaH += 360.0;
    }
    const double deltaT = deltaH * 0.9972695664 / 15.0;
    change = deltaT - previous;
    previous = deltaT;
    t += deltaT / 24.0;
    if (up < 3 && down < 3) {
      if (t < startDay) {
        t += 1;
        ++up;
      }
      if (t > startDay + 1) {
        t -= 1;
        ++down;
      }
    }
  }
  return t;
}

}  // namespace

void RiseSetSearch(double& rise, double& set, DateTimeRecord dayRecord, Body body, double depression) {
  NormaliseDateTime(dayRecord);
  const double start = DayNumber(dayRecord);
  const double zenithDistance = 90.0 + depression;
  rise = SearchEvent(start, body, zenithDistance, true);
  set = SearchEvent(start, body, zenithDistance, false);
}

double RiseSetDepression(Body body, double j) {
  if (body == BodyMoon) {
    const double parallax = MoonParallax(j);
    const double semiDiameter = std::asin(0.272493 * std::sin(parallax * kRadiansPerDegree)) * kDegreesPerRadian;
    return 0.575 + semiDiameter - parallax;
  }
  const double r = SunDistance(j);
  return 0.575 + (961.18 / r) / 3600.0 - (8.794 / r) / 3600.0;
}

void RiseSetForDay(double& rise, double& set, DateTimeRecord dayRecord, Body body, bool markOutOfDay) {
  const double j = DayNumber(dayRecord);
  const double depression = RiseSetDepression(body, j);
  RiseSetSearch(rise, set, dayRecord, body, depression);
  double firstRise = rise, firstSet = set;
  if (rise < j || set < j) {
    RiseSetSearch(rise, set, AddDays(dayRecord, 1), body, depression);
    if (rise >= j + 1) rise = firstRise;
    if (set >= j + 1) set = firstSet;
    firstRise = rise;
    firstSet = set;
  }
  if (rise >= j + 1 || set >= j + 1) {
    RiseSetSearch(rise, set, AddDays(dayRecord, -1), body, depression);
    if (rise < j) rise = firstRise;
    if (set < j) set = firstSet;
  }
  if (markOutOfDay) {
    if (rise > j + 1 || rise < j) rise = OutOfDayRise;
    if (set > j + 1 || set < j) set = OutOfDaySet;
  }
}

void RiseSetHours(const DateTimeRecord& localMidnight, Body body, double& riseHours, double& setHours) {
  const double jm = DayNumber(localMidnight);
  double rise, set;
  RiseSetForDay(rise, set, localMidnight, body, false);
  riseHours = (rise - jm) * 24.0;
  setHours = (set - jm) * 24.0;
  // Each retry starts from the date itself; a neighbouring date's search is the same
  // computation whichever event asks for it, so it runs once.
  double nextRise = 0, nextSet = 0, previousRise = 0, previousSet = 0;
  if (riseHours < 0 || setHours < 0) {
    RiseSetForDay(nextRise, nextSet, AddDays(localMidnight, 1), body, false);
  }
  if (riseHours < 0) riseHours = (nextRise - jm) * 24.0;
  if (setHours < 0) setHours = (nextSet - jm) * 24.0;
  if (riseHours >= 24 || setHours >= 24) {
    RiseSetForDay(previousRise, previousSet, AddDays(localMidnight, -1), body, false);
  }
  if (riseHours >= 24) riseHours = (previousRise - jm) * 24.0;
  if (setHours >= 24) setHours = (previousSet - jm) * 24.0;
  if (riseHours < 0) riseHours = NoEventBefore;
  else if (riseHours >= 24) riseHours = NoEventAfter;
  if (setHours < 0) setHours = NoEventBefore;
  else if (setHours >= 24) setHours = NoEventAfter;
}

void TodayRiseSet(Body body, double& riseHours, double& setHours) {
  RiseSetHours(LocalMidnight(EngineClock(), EngineZoneHours()), body, riseHours, setHours);
}
