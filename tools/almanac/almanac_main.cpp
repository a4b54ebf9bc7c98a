// selenarium-almanac: prints the moon state, the light vector and the last new moon for an
// instant, a place and a zone.
//   selenarium-almanac [--utc YYYY-MM-DDTHH:MM:SS] [--lat DEG] [--lon DEG] [--zone HOURS] [--json]
#include <cmath>
#include <cstdio>
#include <string>

#include "almanac_options.h"
#include "ephemeris/ephemeris_engine.h"
#include "ephemeris/lunar_day.h"
#include "ephemeris/moon_state.h"
#include "ephemeris/system_clock.h"
#include "ephemeris/time_scale.h"

namespace {

void PrintJson(double x, double y, double z, double lastNewMoon) {
  const MoonStateRecord& s = MoonState;
  std::printf("{\"moonAzimuth\": %.17g, \"moonAltitude\": %.17g, \"moonRise\": %.17g, \"moonSet\": %.17g, ",
              s.moonAzimuth, s.moonAltitude, s.moonRise, s.moonSet);
  std::printf("\"sunAzimuth\": %.17g, \"sunAltitude\": %.17g, \"sunRise\": %.17g, \"sunSet\": %.17g, ",
              s.sunAzimuth, s.sunAltitude, s.sunRise, s.sunSet);
  // The text holds digits, '/', '(', ')' and ':' only; nothing to escape.
  std::printf("\"lunarDay\": %.17g, \"lunarDayText\": \"%s\", ", s.lunarDay, s.lunarDayText);
  std::printf("\"lightVector\": [%.17g, %.17g, %.17g], \"lastNewMoon\": %.17g}\n", x, y, z, lastNewMoon);
}

std::string EventText(double hours) {
  char buffer[64];
  if (std::fabs(hours) > 1e100) {
    std::snprintf(buffer, sizeof buffer, "%g (%s)", hours,
                  hours < 0 ? "no event: before the date or never rises" : "no event: after the date or stays up");
  } else {
    char clock[16];
    std::snprintf(buffer, sizeof buffer, "%.6f h (%s)", hours, FormatClockTime(clock, hours));
  }
  return buffer;
}

void PrintText(const DateTimeRecord& utc, double zone, double x, double y, double z, double lastNewMoon) {
  const MoonStateRecord& s = MoonState;
  std::printf("instant       %04.0f-%02.0f-%02.0f %02.0f:%02.0f:%02.0f UT\n", utc.year, utc.month, utc.day,
              utc.hour, utc.minute, utc.second);
  std::printf("place         latitude %.6f, longitude %.6f\n", ObserverPlace.latitude, ObserverPlace.longitude);
  std::printf("zone          %+.4f h\n", zone);
  std::printf("moonAzimuth   %.6f deg\n", s.moonAzimuth);
  std::printf("moonAltitude  %.6f deg\n", s.moonAltitude);
  std::printf("moonRise      %s\n", EventText(s.moonRise).c_str());
  std::printf("moonSet       %s\n", EventText(s.moonSet).c_str());
  std::printf("sunAzimuth    %.6f deg\n", s.sunAzimuth);
  std::printf("sunAltitude   %.6f deg\n", s.sunAltitude);
  std::printf("sunRise       %s\n", EventText(s.sunRise).c_str());
  std::printf("sunSet        %s\n", EventText(s.sunSet).c_str());
  std::printf("lunarDay      %.0f\n", s.lunarDay);
  std::printf("lunarDayText  %s\n", s.lunarDayText);
  std::printf("lightVector   (%.4f, %.4f, %.4f) x 1e19\n", x / 1e19, y / 1e19, z / 1e19);
  DateTimeRecord newMoon = {};
  DateFromDayNumber(lastNewMoon, newMoon);
  std::printf("lastNewMoon   %.6f (%04.0f-%02.0f-%02.0f %02.0f:%02.0f UT)\n", lastNewMoon, newMoon.year,
              newMoon.month, newMoon.day, newMoon.hour, newMoon.minute);
}

}  // namespace

int main(int argc, char** argv) {
  AlmanacOptions options;
  std::string error;
  if (!ParseAlmanacOptions(argc, argv, options, error)) {
    std::fprintf(stderr, "selenarium-almanac: %s\n", error.c_str());
    return 2;
  }
  const long long seconds = options.haveInstant ? options.unixSeconds : SystemClockSeconds();
  const double zone = options.haveZone ? options.zoneHours : ZoneOffsetHoursAt(seconds);
  const DateTimeRecord utc = UtcRecordFromUnixSeconds(seconds);
  ObserverPlace.latitude = options.latitude;
  ObserverPlace.longitude = options.longitude;
  UpdateMoonStateAt(utc, zone);
  double x, y, z;
  SunLightVector(x, y, z);
  if (options.json) {
    PrintJson(x, y, z, LastNewMoon());
  } else {
    PrintText(utc, zone, x, y, z, LastNewMoon());
  }
  return 0;
}
