// Day numbers, the calendar switch, normalisation and sidereal time.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "ephemeris/time_scale.h"

namespace {

DateTimeRecord Record(double y, double mo, double d, double h = 0, double mi = 0, double s = 0) {
  DateTimeRecord r = {y, mo, d, h, mi, s, 0};
  return r;
}

struct DayNumberCase {
  const char* name;
  DateTimeRecord record;
  double dayNumber;
};

TEST(DayNumber, KnownInstants) {
  const DayNumberCase cases[] = {
      {"2000-01-01 12:00", Record(2000, 1, 1, 12), 0.0},
      {"2000-01-01 00:00", Record(2000, 1, 1), -0.5},
      {"2001-01-01 00:00", Record(2001, 1, 1), 365.5},
      {"1987-04-10 00:00", Record(1987, 4, 10), -4649.5},
      {"1992-04-12 00:00", Record(1992, 4, 12), -2820.5},
      {"2005-10-12 12:00", Record(2005, 10, 12, 12), 2111.0},
      // Julian calendar up to October 15, 1582 as written, Gregorian from the 16th.
      {"1582-10-15 Julian", Record(1582, 10, 15), 2299171.0 - 0.5 - 2451545.0},
      {"1582-10-16 Gregorian", Record(1582, 10, 16), 2299162.0 - 0.5 - 2451545.0},
      {"1582-10-04 Julian", Record(1582, 10, 4), 2299160.0 - 0.5 - 2451545.0},
      {"fractional day", Record(2000, 1, 1.5), 0.0},
      {"time fields", Record(2000, 1, 1, 6, 30, 36), -0.5 + 0.25 + 30.0 / 1440 + 36.0 / 86400},
  };
  for (const DayNumberCase& c : cases) {
    EXPECT_NEAR(DayNumber(c.record), c.dayNumber, 1e-9) << c.name;
  }
}

struct NormaliseCase {
  const char* name;
  DateTimeRecord in;
  DateTimeRecord out;
};

TEST(NormaliseDateTime, BorrowsAndCarries) {
  const NormaliseCase cases[] = {
      {"March 1, -3 h in a leap year", Record(2004, 3, 1, -3), Record(2004, 2, 29, 21)},
      {"March 1, -3 h in a common year", Record(2005, 3, 1, -3), Record(2005, 2, 28, 21)},
      {"century years other than every 400th are common", Record(2100, 3, 1, -3), Record(2100, 2, 28, 21)},
      {"every 400th year is leap", Record(2000, 3, 1, -3), Record(2000, 2, 29, 21)},
      {"day 32 of January", Record(2005, 1, 32), Record(2005, 2, 1)},
      {"day 0 of January", Record(2005, 1, 0), Record(2004, 12, 31)},
      {"fractional day", Record(2005, 10, 10.75), Record(2005, 10, 10, 18)},
      {"fractional negative hour", Record(2005, 10, 10, -3.5), Record(2005, 10, 9, 20, 30)},
      {"seconds carry through the year", Record(2005, 12, 31, 23, 59, 60), Record(2006, 1, 1, 0, 0, 0)},
      {"negative seconds borrow", Record(2005, 1, 1, 0, 0, -1), Record(2004, 12, 31, 23, 59, 59)},
      {"many hours", Record(2005, 1, 1, 24 * 40 + 5), Record(2005, 2, 10, 5)},
      {"many days back", Record(2005, 3, -59), Record(2004, 12, 31)},
  };
  for (const NormaliseCase& c : cases) {
    DateTimeRecord r = c.in;
    EXPECT_GE(NormaliseDateTime(r), 0) << c.name;
    EXPECT_EQ(r.year, c.out.year) << c.name;
    EXPECT_EQ(r.month, c.out.month) << c.name;
    EXPECT_EQ(r.day, c.out.day) << c.name;
    EXPECT_EQ(r.hour, c.out.hour) << c.name;
    EXPECT_EQ(r.minute, c.out.minute) << c.name;
    EXPECT_NEAR(r.second, c.out.second, 1e-9) << c.name;
  }
}

TEST(NormaliseDateTime, KeepsFractionOfSecond) {
  DateTimeRecord r = Record(2005, 10, 12, 12, 0, 61.25);
  NormaliseDateTime(r);
  EXPECT_EQ(r.minute, 1);
  EXPECT_DOUBLE_EQ(r.second, 1.25);
}

TEST(NormaliseDateTime, RejectsMonthOutsideYear) {
  for (double month : {0.0, 13.0, -1.0}) {
    DateTimeRecord r = Record(2005, month, 1);
    EXPECT_EQ(NormaliseDateTime(r), -1) << month;
  }
}

TEST(DateFromDayNumber, RoundTrips) {
  for (double d : {0.0, -0.5, 365.5, 2111.0, -4649.5, 2100.4375, 1.0e4 + 0.123456}) {
    DateTimeRecord r = {};
    DateFromDayNumber(d, r);
    EXPECT_NEAR(DayNumber(r), d, 1e-8) << d;
    EXPECT_GE(r.hour, 0);
    EXPECT_LT(r.hour, 24);
  }
  DateTimeRecord r = {};
  DateFromDayNumber(2111.0, r);
  EXPECT_EQ(r.year, 2005);
  EXPECT_EQ(r.month, 10);
  EXPECT_EQ(r.day, 12);
  EXPECT_EQ(r.hour, 12);
}

TEST(SiderealTime, April10Of1987) {
  DateTimeRecord r = Record(1987, 4, 10);
  SiderealTime(r);
  EXPECT_NEAR(r.siderealHours, 13.0 + 10.0 / 60 + 46.135 / 3600, 0.0005 / 3600);
  EXPECT_NEAR(r.siderealHours, 13.179482, 5e-7);
  EXPECT_NEAR(SiderealTimeAt(-4649.5), r.siderealHours, 1e-9);
  EXPECT_EQ(r.year, 1987);  // only siderealHours is written
}

TEST(SiderealTime, RecordAndDayNumberAgreeAndStayInRange) {
  for (double d = -40000; d < 40000; d += 997.37) {
    DateTimeRecord r = {};
    DateFromDayNumber(d, r);
    SiderealTime(r);
    EXPECT_GE(r.siderealHours, 0);
    EXPECT_LT(r.siderealHours, 24);
    const double at = SiderealTimeAt(d);
    EXPECT_GE(at, 0);
    EXPECT_LT(at, 24);
    double diff = std::fabs(at - r.siderealHours);
    EXPECT_LT(std::min(diff, 24 - diff), 1e-6) << d;
  }
}

TEST(LocalMidnight, IsTheUtInstantTheLocalDateBegan) {
  // 2005-10-12 12:00 UT at +4 h is 16:00 local; the local date began at 2005-10-11 20:00 UT.
  const DateTimeRecord m = LocalMidnight(Record(2005, 10, 12, 12), 4);
  EXPECT_DOUBLE_EQ(DayNumber(m), DayNumber(Record(2005, 10, 11, 20)));
  // 22:00 UT at +4 h is already the next local date.
  EXPECT_DOUBLE_EQ(DayNumber(LocalMidnight(Record(2005, 10, 12, 22), 4)), DayNumber(Record(2005, 10, 12, 20)));
  // West of Greenwich: 02:00 UT at -5 h is still the previous local date.
  EXPECT_DOUBLE_EQ(DayNumber(LocalMidnight(Record(2005, 10, 12, 2), -5)), DayNumber(Record(2005, 10, 11, 5)));
  // Half-hour zones.
  EXPECT_DOUBLE_EQ(DayNumber(LocalMidnight(Record(2005, 10, 12, 12), 5.5)),
                   DayNumber(Record(2005, 10, 11, 18, 30)));
}

TEST(UnixSeconds, ConvertBothWays) {
  EXPECT_EQ(UnixSecondsFromUtc(1970, 1, 1, 0, 0, 0), 0);
  EXPECT_EQ(UnixSecondsFromUtc(2005, 10, 12, 12, 0, 0), 1129118400LL);
  const DateTimeRecord r = UtcRecordFromUnixSeconds(1129118400LL + 3661);
  EXPECT_EQ(r.year, 2005);
  EXPECT_EQ(r.month, 10);
  EXPECT_EQ(r.day, 12);
  EXPECT_EQ(r.hour, 13);
  EXPECT_EQ(r.minute, 1);
  EXPECT_EQ(r.second, 1);
  const DateTimeRecord before = UtcRecordFromUnixSeconds(-1);
  EXPECT_EQ(before.year, 1969);
  EXPECT_EQ(before.second, 59);
}

}  // namespace
