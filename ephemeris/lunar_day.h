// New-moon search and the lunar-day count.
#ifndef SELENARIUM_EPHEMERIS_LUNAR_DAY_H
#define SELENARIUM_EPHEMERIS_LUNAR_DAY_H

#include "ephemeris/time_scale.h"

const int kLunarDayTextSize = 56;

// The instant (day number) at which the Moon's longitude minus the Sun's equals the target
// angle, searching backwards from the record's UT instant first.
double FindPhaseTime(DateTimeRecord record, double targetDegrees);

// Everything of the count that depends only on the local date (and zone and place).
struct LunarDayCount {
  bool failed;          // a day without moonrise or moonset since the last new moon
  int count;            // lunar day after today's moonrise
  double today;         // day number of today's local midnight
  double moonrise;      // day number of today's moonrise (or of the nearest one found)
  double lastNewMoon;   // day number
  double nextNewMoon;   // day number
  char text[kLunarDayTextSize];
};

// Counts the moonrises since the last new moon up to the local date beginning at
// `localMidnight` (UT record), for the zone offset in hours.
LunarDayCount CountLunarDaysTo(const DateTimeRecord& localMidnight, double zoneHours);

// What happens on the counted date, in the order it happens; it decides the text's form.
enum LunarDateShape {
  NoChange,         // "N"
  RiseOnly,         // "N-1/N(rise)"
  RiseThenNewMoon,  // "N-1/N(rise)/1(new moon)"
  NewMoonThenRise,  // "N-1/1(new moon)/2(rise)"
  NewMoonOnly,      // "N/1(new moon)": no moonrise on the date
};
LunarDateShape DateShape(const LunarDayCount& count);

// The lunar day at the instant `now` (day number) within the counted date; -1 if failed.
int LunarDayAt(const LunarDayCount& count, double now);

// Writes the text of the current date into `text` (kLunarDayTextSize bytes) and returns the
// lunar day of the instant nowRecord (UT), with the zone of the update in progress.
int CountLunarDay(DateTimeRecord nowRecord, char* text);

// Writes hours as "%02d:%02d" (minutes truncated) into buffer (at least 16 bytes).
const char* FormatClockTime(char* buffer, double hours);

#endif
