// The moon state: one update from the clock, the zone and the observer's place.
#include "ephemeris/moon_state.h"

#include <cmath>
#include <cstring>

#include "ephemeris/angles.h"
#include "ephemeris/coordinates.h"
#include "ephemeris/ephemeris_engine.h"
#include "ephemeris/lunar_day.h"
#include "ephemeris/moon_position.h"
#include "ephemeris/nutation.h"
#include "ephemeris/rise_set.h"
#include "ephemeris/sun_position.h"
#include "ephemeris/system_clock.h"

MoonStateRecord MoonState = {};
ObserverPlaceRecord ObserverPlace = {};

namespace {

DateTimeRecord engineClock = {};
double engineZone = 0;

// Work of one local date, kept while the date, the zone and the place stay the same.
struct DateWork {
  bool valid;
  double key[6];  // local midnight's year, month, day; zone; latitude; longitude
  double moonRise, moonSet, sunRise, sunSet;
  LunarDayCount lunarDays;
};
DateWork dateWork = {};
bool dateCacheEnabled = true;
double lastNewMoon = 0;

// Azimuth and height of an ecliptic direction (degrees) for the local sidereal angle.
void Horizontal(double longitude, double latitude, double obliquity, double siderealAngle,
                double& azimuth, double& height) {
  EclipticToEquatorial(longitude, latitude, obliquity);
  EquatorialToHorizontal(longitude, latitude, siderealAngle);
  azimuth = AzimuthIntoRange(longitude);
  height = latitude;
}

void ComputeDateWork(const DateTimeRecord& midnight, double zone, DateWork& work) {
  RiseSetHours(midnight, BodyMoon, work.moonRise, work.moonSet);
  work.lunarDays = CountLunarDaysTo(midnight, zone);
  RiseSetHours(midnight, BodySun, work.sunRise, work.sunSet);
}

}  // namespace

const DateTimeRecord& EngineClock() { return engineClock; }
double EngineZoneHours() { return engineZone; }

void SetDateCache(bool enabled) {
  dateCacheEnabled = enabled;
  dateWork.valid = false;
}
bool DateCacheEnabled() { return dateCacheEnabled; }
double LastNewMoon() { return lastNewMoon; }

int UpdateMoonStateAt(const DateTimeRecord& utc, double zone) {
  engineClock = utc;
  engineZone = zone;
  DateTimeRecord now = utc;
  const double d = DayNumber(now);
  SiderealTime(now);
  const double theta = now.siderealHours * 15.0 + ObserverPlace.longitude;
  const double obliquity = TrueObliquity(d);
  const double nutation = NutationInLongitude(d);

  Horizontal(MoonLongitude(d) + nutation / 3600.0, MoonLatitude(d), obliquity, theta,
             MoonState.moonAzimuth, MoonState.moonAltitude);

  const DateTimeRecord midnight = LocalMidnight(now, zone);
  const double key[6] = {midnight.year, midnight.month, midnight.day, zone,
                         ObserverPlace.latitude, ObserverPlace.longitude};
  if (!dateCacheEnabled || !dateWork.valid || std::memcmp(key, dateWork.key, sizeof key) != 0) {
    ComputeDateWork(midnight, zone, dateWork);
    std::memcpy(dateWork.key, key, sizeof key);
    dateWork.valid = dateCacheEnabled;
  }
  MoonState.moonRise = dateWork.moonRise;
  MoonState.moonSet = dateWork.moonSet;
  MoonState.lunarDay = LunarDayAt(dateWork.lunarDays, d);
  std::memcpy(MoonState.lunarDayText, dateWork.lunarDays.text, sizeof MoonState.lunarDayText);
  lastNewMoon = dateWork.lunarDays.lastNewMoon;

  Horizontal(SunLongitude(d) + nutation / 3600.0, 0.0, obliquity, theta,
             MoonState.sunAzimuth, MoonState.sunAltitude);
  MoonState.sunRise = dateWork.sunRise;
  MoonState.sunSet = dateWork.sunSet;
  return 1;
}

int UpdateMoonState() {
  const long long seconds = SystemClockSeconds();
  return UpdateMoonStateAt(UtcRecordFromUnixSeconds(seconds), ZoneOffsetHoursAt(seconds));
}

void RotateAboutAxis(double& x, double& y, double& z, double angleDegrees, RotationAxis axis) {
  const double a = angleDegrees * kRadiansPerDegree;
  const double c = std::cos(a), s = std::sin(a);
  const double x0 = x, y0 = y, z0 = z;
  if (axis == AxisX) {
    y = c * y0 + s * z0;
    z = c * z0 - s * y0;
  } else if (axis == AxisY) {
    x = c * x0 - s * z0;
    z = s * x0 + c * z0;
  } else {
    x = c * x0 + s * y0;
    y = c * y0 - s * x0;
  }
}

void SunLightVector(double& x, double& y, double& z) {
  const double sunAzimuth = MoonState.sunAzimuth * kRadiansPerDegree;
  const double sunHeight = MoonState.sunAltitude * kRadiansPerDegree;
  x = std::cos(sunHeight) * std::sin(sunAzimuth) * 1e19;
  y = std::sin(sunHeight) * 1e19;
  z = -std::cos(sunHeight) * std::cos(sunAzimuth) * 1e19;
  RotateAboutAxis(x, y, z, -MoonState.moonAzimuth, AxisY);
  RotateAboutAxis(x, y, z, MoonState.moonAltitude, AxisX);
}
