// Day numbers, calendar records and sidereal time.
#ifndef SELENARIUM_EPHEMERIS_TIME_SCALE_H
#define SELENARIUM_EPHEMERIS_TIME_SCALE_H

// A calendar date and time; UT unless an operation says it holds local clock time.
// day, hour, minute and second may be out of range (or fractional) until normalised.
struct DateTimeRecord {
  double year;
  double month;
  double day;
  double hour;
  double minute;
  double second;
  double siderealHours;  // apparent Greenwich sidereal time, filled by SiderealTime
};

// Days since 2000 January 1, 12:00 UT of the instant the record denotes (Julian calendar
// up to 1582 October 15, Gregorian after it).
double DayNumber(const DateTimeRecord& record);

// Rewrites the record into a proper date and time. -1 when the month is outside 1..12
// (the record is then left part-way), otherwise 0.
int NormaliseDateTime(DateTimeRecord& record);

// Fills year..second with the UT instant of a day number.
void DateFromDayNumber(double dayNumber, DateTimeRecord& record);

// Apparent Greenwich sidereal time of the record's instant, stored in siderealHours.
void SiderealTime(DateTimeRecord& record);

// Apparent Greenwich sidereal time in hours, [0, 24), for a day number.
double SiderealTimeAt(double dayNumber);

// The UT instant at which the local date containing `now` began, for a zone offset in
// hours east of Greenwich: that local date, hour = -zone, normalised.
DateTimeRecord LocalMidnight(const DateTimeRecord& now, double zoneHours);

// The record one whole day later (days may be negative), normalised.
DateTimeRecord AddDays(const DateTimeRecord& record, double days);

// Reduces hours into [0, 24); a value that would round to 24 becomes 0.
double ReduceHours(double hours);

// UTC calendar record of a count of seconds since 1970-01-01 00:00:00 UTC, and back.
DateTimeRecord UtcRecordFromUnixSeconds(long long seconds);
long long UnixSecondsFromUtc(int year, int month, int day, int hour, int minute, int second);

#endif
