// Command line of the almanac.
#ifndef SELENARIUM_TOOLS_ALMANAC_OPTIONS_H
#define SELENARIUM_TOOLS_ALMANAC_OPTIONS_H

#include <string>

struct AlmanacOptions {
  bool haveInstant = false;  // else the system clock
  long long unixSeconds = 0;
  double latitude = 55.75;
  double longitude = 37.62;
  bool haveZone = false;  // else the system's zone at the instant
  double zoneHours = 0;
  bool json = false;
};

// Parses argv[1..]; on a bad argument returns false with a one-line message naming it.
bool ParseAlmanacOptions(int argc, const char* const* argv, AlmanacOptions& options, std::string& error);

#endif
