// Strict parsing of the almanac's arguments: every value checked, nothing guessed.
#include "almanac_options.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ephemeris/time_scale.h"

namespace {

bool ParseNumber(const char* text, double low, double high, double& value) {
  if (text == nullptr || *text == '\0') return false;
  char* end = nullptr;
  const double v = std::strtod(text, &end);
  if (end == text || *end != '\0' || !std::isfinite(v) || v < low || v > high) return false;
  value = v;
  return true;
}

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

// YYYY-MM-DDTHH:MM:SS, a real UTC date and time of day in the Gregorian calendar (from
// 1583, the first whole year of it: the ephemeris reads earlier dates as Julian ones).
bool ParseInstant(const char* text, long long& seconds) {
  if (text == nullptr || std::strlen(text) != 19) return false;
  const char* pattern = "dddd-dd-ddTdd:dd:dd";
  for (int i = 0; i < 19; ++i) {
    const bool digit = text[i] >= '0' && text[i] <= '9';
    if (pattern[i] == 'd' ? !digit : text[i] != pattern[i]) return false;
  }
  int y, mo, d, h, mi, s;
  if (std::sscanf(text, "%4d-%2d-%2dT%2d:%2d:%2d", &y, &mo, &d, &h, &mi, &s) != 6) return false;
  static const int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (y < 1583 || mo < 1 || mo > 12 || h > 23 || mi > 59 || s > 59) return false;
  const int length = kLengths[mo - 1] + (mo == 2 && IsLeap(y) ? 1 : 0);
  if (d < 1 || d > length) return false;
  seconds = UnixSecondsFromUtc(y, mo, d, h, mi, s);
  return true;
}

}  // namespace

bool ParseAlmanacOptions(int argc, const char* const* argv, AlmanacOptions& options, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    if (name == "--json") {
      options.json = true;
      continue;
    }
    if (name != "--utc" && name != "--lat" && name != "--lon" && name != "--zone") {
      error = "unknown argument: " + name;
      return false;
    }
    const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
    if (value == nullptr) {
      error = name + ": missing value";
      return false;
    }
    ++i;
    bool ok = false;
    if (name == "--utc") {
      ok = ParseInstant(value, options.unixSeconds);
      options.haveInstant = ok;
      if (!ok) error = "--utc: expected YYYY-MM-DDTHH:MM:SS (UTC, year 1583 or later), got '" + std::string(value) + "'";
    } else if (name == "--lat") {
      ok = ParseNumber(value, -90, 90, options.latitude);
      if (!ok) error = "--lat: expected degrees from -90 to 90, got '" + std::string(value) + "'";
    } else if (name == "--lon") {
      ok = ParseNumber(value, -180, 180, options.longitude);
      if (!ok) error = "--lon: expected degrees from -180 to 180, got '" + std::string(value) + "'";
    } else {
      ok = ParseNumber(value, -24, 24, options.zoneHours);
      options.haveZone = ok;
      if (!ok) error = "--zone: expected hours from -24 to 24, got '" + std::string(value) + "'";
    }
    if (!ok) return false;
  }
  return true;
}
