// Clock and zone from the C library: the zone follows TZ.
#include <ctime>

#include "ephemeris/system_clock.h"

long long SystemClockSeconds() { return static_cast<long long>(std::time(nullptr)); }

double ZoneOffsetHoursAt(long long unixSeconds) {
  const time_t moment = static_cast<time_t>(unixSeconds);
  struct tm local;
  if (localtime_r(&moment, &local) == nullptr) return 0;
  return local.tm_gmtoff / 3600.0;
}

double ZoneOffsetHours() { return ZoneOffsetHoursAt(SystemClockSeconds()); }
