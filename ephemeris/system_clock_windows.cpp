// Clock and zone from Windows: the zone's biases from GetTimeZoneInformation, whether
// daylight saving is in force from the C runtime's local-time breakdown.
#include <windows.h>

#include <ctime>

#include "ephemeris/system_clock.h"

long long SystemClockSeconds() { return static_cast<long long>(std::time(nullptr)); }

double ZoneOffsetHoursAt(long long unixSeconds) {
  TIME_ZONE_INFORMATION zone;
  // Without zone information local time is taken to be UTC.
  if (GetTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID) return 0;
  const time_t moment = static_cast<time_t>(unixSeconds);
  const struct tm* local = std::localtime(&moment);
  const bool daylight = local != nullptr && local->tm_isdst > 0;
  const long minutes = -(zone.Bias + (daylight ? zone.DaylightBias : zone.StandardBias));
  return minutes / 60.0;
}

double ZoneOffsetHours() { return ZoneOffsetHoursAt(SystemClockSeconds()); }
