// The operating system's clock and time zone: the ephemeris' one seam to the platform.
#ifndef SELENARIUM_EPHEMERIS_SYSTEM_CLOCK_H
#define SELENARIUM_EPHEMERIS_SYSTEM_CLOCK_H

// Seconds since 1970-01-01 00:00:00 UTC, from the system clock.
long long SystemClockSeconds();

// Offset of local clock time from UTC in hours, east positive, in force at the given
// moment (daylight saving as the C runtime's local-time breakdown reports it).
double ZoneOffsetHoursAt(long long unixSeconds);

// The same for the current moment.
double ZoneOffsetHours();

#endif
