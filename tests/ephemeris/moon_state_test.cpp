// The moon state of an update, rises and sets, the lunar day and the light vector.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "ephemeris/coordinates.h"
#include "ephemeris/ephemeris_engine.h"
#include "ephemeris/lunar_day.h"
#include "ephemeris/moon_state.h"
#include "ephemeris/rise_set.h"

namespace {

DateTimeRecord Utc(double y, double mo, double d, double h = 0, double mi = 0, double s = 0) {
  DateTimeRecord r = {y, mo, d, h, mi, s, 0};
  return r;
}

void UpdateAt(double latitude, double longitude, double zone, const DateTimeRecord& utc) {
  ObserverPlace.latitude = latitude;
  ObserverPlace.longitude = longitude;
  UpdateMoonStateAt(utc, zone);
}

// Minutes of a clock time "hh:mm" given in hours.
std::string Clock(double hours) {
  char buffer[16];
  return FormatClockTime(buffer, hours);
}

TEST(MoonState, MoscowOnOctober12Of2005) {
  UpdateAt(55.75, 37.62, 4, Utc(2005, 10, 12, 12));
  EXPECT_NEAR(MoonState.moonAzimuth, -67.146, 0.0005);
  EXPECT_NEAR(MoonState.moonAltitude, -10.812, 0.0005);
  EXPECT_NEAR(MoonState.sunAzimuth, 43.217, 0.0005);
  EXPECT_NEAR(MoonState.sunAltitude, 18.215, 0.0005);
  EXPECT_NEAR(MoonState.sunRise, 7.900, 0.0005);
  EXPECT_EQ(Clock(MoonState.sunRise), "07:54");
  EXPECT_NEAR(MoonState.sunSet, 18.616, 0.0005);
  EXPECT_EQ(Clock(MoonState.sunSet), "18:36");
  EXPECT_NEAR(MoonState.moonRise, 17.553, 0.0005);
  EXPECT_EQ(MoonState.moonSet, NoEventBefore);
  EXPECT_EQ(MoonState.lunarDay, 9);
  EXPECT_STREQ(MoonState.lunarDayText, "9/10(17:33)");
  DateTimeRecord newMoon = {};
  DateFromDayNumber(LastNewMoon(), newMoon);
  EXPECT_EQ(newMoon.year, 2005);
  EXPECT_EQ(newMoon.month, 10);
  EXPECT_EQ(newMoon.day, 3);
  EXPECT_EQ(newMoon.hour, 10);
  EXPECT_EQ(newMoon.minute, 29);
}

// The operations the update is made of give the same values when called on their own
// with the clock and zone of the last update.
TEST(MoonState, StepsAgreeWithTheUpdate) {
  const DateTimeRecord now = Utc(2005, 10, 12, 12);
  UpdateAt(55.75, 37.62, 4, now);
  EXPECT_EQ(EngineZoneHours(), 4);
  double rise = 0, set = 0;
  TodayRiseSet(BodyMoon, rise, set);
  EXPECT_EQ(rise, MoonState.moonRise);
  EXPECT_EQ(set, MoonState.moonSet);
  TodayRiseSet(BodySun, rise, set);
  EXPECT_EQ(rise, MoonState.sunRise);
  EXPECT_EQ(set, MoonState.sunSet);
  char text[kLunarDayTextSize];
  EXPECT_EQ(CountLunarDay(now, text), MoonState.lunarDay);
  EXPECT_STREQ(text, MoonState.lunarDayText);
}

TEST(MoonState, TwoUpdatesInOneSecondAgree) {
  UpdateAt(55.75, 37.62, 4, Utc(2005, 10, 12, 12, 0, 0));
  MoonStateRecord first = MoonState;
  UpdateAt(55.75, 37.62, 4, Utc(2005, 10, 12, 12, 0, 0));
  EXPECT_EQ(std::memcmp(&first, &MoonState, sizeof first), 0);
}

TEST(LunarDay, NewMoonOfOctober2005) {
  ObserverPlace.latitude = 55.75;
  ObserverPlace.longitude = 37.62;
  DateTimeRecord start = Utc(2005, 10, 11, 20);  // local midnight of October 12 at +4 h
  DateTimeRecord found = {};
  DateFromDayNumber(FindPhaseTime(start, 0), found);
  EXPECT_EQ(found.day, 3);
  EXPECT_EQ(found.hour, 10);
  EXPECT_EQ(found.minute, 29);
}

struct LunarDayCase {
  DateTimeRecord utc;
  const char* text;
  int lunarDay;
};

TEST(LunarDay, MoscowTexts) {
  const LunarDayCase cases[] = {
      {Utc(2005, 10, 4, 12), "1/2(08:39)", 2},
      {Utc(2005, 10, 4, 4, 38), "1/2(08:39)", 1},  // 08:38 local, before the moonrise
      {Utc(2005, 10, 12, 12), "9/10(17:33)", 9},
      {Utc(2005, 10, 12, 14), "9/10(17:33)", 10},  // 18:00 local, after the moonrise
  };
  for (const LunarDayCase& c : cases) {
    UpdateAt(55.75, 37.62, 4, c.utc);
    EXPECT_STREQ(MoonState.lunarDayText, c.text);
    EXPECT_EQ(MoonState.lunarDay, c.lunarDay) << c.text;
  }
}

TEST(LunarDay, LaterDayStartsExactlyAtTheMoonrise) {
  UpdateAt(55.75, 37.62, 4, Utc(2005, 10, 12, 12));
  const DateTimeRecord midnight = LocalMidnight(Utc(2005, 10, 12, 12), 4);
  const LunarDayCount count = CountLunarDaysTo(midnight, 4);
  EXPECT_EQ(LunarDayAt(count, count.moonrise), 10);
  EXPECT_EQ(LunarDayAt(count, std::nextafter(count.moonrise, -1e9)), 9);
}

// Rare dates at high latitudes: a moonrise seconds before local midnight, found only by
// the neighbouring date's search, and new-moon dates without a moonrise. Each date's text
// starts with the lunar day the date before ended on.
TEST(LunarDay, RisesAtMidnightAndNewMoonsWithoutRiseKeepTheCountGoing) {
  const struct {
    double latitude, longitude, zone;
    DateTimeRecord firstNoonUtc;
    const char* texts[4];
  } cases[] = {
      {55.75, 0, 0, Utc(2020, 4, 10, 12), {"17/18(22:34)", "18/19(23:59)", "19", "19/20(01:14)"}},
      {55.75, 82.5, 5.5, Utc(2026, 10, 4, 6, 30), {"23/24(22:24)", "24", "24/25(00:00)", "25/26(01:32)"}},
      {61.5, 0, 0, Utc(2024, 7, 3, 12), {"26/27(23:26)", "27/28(23:46)", "28/1(22:59)", "1/2(01:23)"}},
      {61.5, 82.5, 5.5, Utc(2025, 6, 23, 6, 30), {"26/27(23:51)", "27/28(23:59)", "28/1(16:03)", "1/2(01:27)"}},
  };
  for (const auto& c : cases) {
    for (int i = 0; i < 4; ++i) {
      UpdateAt(c.latitude, c.longitude, c.zone, AddDays(c.firstNoonUtc, i));
      EXPECT_STREQ(MoonState.lunarDayText, c.texts[i]) << c.latitude << " " << c.longitude << " day " << i;
    }
  }
}

TEST(FormatClockTime, TruncatesMinutes) {
  const struct {
    double hours;
    const char* text;
  } cases[] = {{7.5, "07:30"}, {0.999, "00:59"}, {25.5, "25:30"}, {0.0, "00:00"}, {17.553, "17:33"}};
  for (const auto& c : cases) EXPECT_EQ(Clock(c.hours), c.text) << c.hours;
}

}  // namespace

namespace {

TEST(Azimuth, DueNorthIsPlus180) {
  EXPECT_EQ(AzimuthIntoRange(180.0), 180.0);
  EXPECT_EQ(AzimuthIntoRange(-180.0), 180.0);
  EXPECT_EQ(AzimuthIntoRange(540.0), 180.0);
  EXPECT_EQ(AzimuthIntoRange(270.0), -90.0);
  EXPECT_EQ(AzimuthIntoRange(90.0), 90.0);
  // A star on the meridian north of the zenith.
  ObserverPlace.latitude = 40;
  double a = 100, d = 60;
  EquatorialToHorizontal(a, d, 100);
  EXPECT_EQ(AzimuthIntoRange(a), 180.0);
  EXPECT_NEAR(d, 70, 1e-9);
}

struct PolarCase {
  const char* name;
  double latitude;
  DateTimeRecord localMidnight;
  double expected;  // for both the rise and the set
};

TEST(RiseSet, PolarDayAndNight) {
  const PolarCase cases[] = {
      {"80 N in late June", 80, Utc(2005, 6, 24, -1), NoEventAfter},
      {"80 N in late December", 80, Utc(2005, 12, 24, -1), NoEventBefore},
      {"80 S in late June", -80, Utc(2005, 6, 24, -1), NoEventBefore},
      {"North pole in June", 90, Utc(2005, 6, 10), NoEventAfter},
      {"South pole in June", -90, Utc(2005, 6, 10), NoEventBefore},
  };
  for (const PolarCase& c : cases) {
    ObserverPlace.latitude = c.latitude;
    ObserverPlace.longitude = 15;
    double rise = 0, set = 0;
    RiseSetHours(c.localMidnight, BodySun, rise, set);
    EXPECT_EQ(rise, c.expected) << c.name;
    EXPECT_EQ(set, c.expected) << c.name;
  }
}

TEST(RiseSet, PolesHaveNoMoonEvents) {
  for (double latitude : {90.0, -90.0}) {
    ObserverPlace.latitude = latitude;
    ObserverPlace.longitude = 0;
    for (double day = 1; day <= 28; day += 3) {
      double rise = 0, set = 0;
      RiseSetHours(Utc(2005, 10, day), BodyMoon, rise, set);
      EXPECT_GT(std::fabs(rise), 1e100) << latitude << " " << day;
      EXPECT_GT(std::fabs(set), 1e100) << latitude << " " << day;
    }
  }
}

// Moscow through two lunar months: every event is an hour of the date or a marker; a date
// without moonrise lies between a late rise the day before and an early one the day after;
// rises just after local midnight are reported as such, not as missing.
TEST(RiseSet, MoonrisesThroughTwoMonths) {
  ObserverPlace.latitude = 55.75;
  ObserverPlace.longitude = 37.62;
  const int days = 60;
  double rises[days];
  for (int i = 0; i < days; ++i) {
    double set = 0;
    RiseSetHours(AddDays(Utc(2005, 9, 30, -4), i), BodyMoon, rises[i], set);
    for (double v : {rises[i], set}) {
      if (std::fabs(v) < 1e100) {
        EXPECT_GE(v, 0);
        EXPECT_LT(v, 24);
      } else {
        EXPECT_TRUE(v == NoEventBefore || v == NoEventAfter);
      }
    }
  }
  int missing = 0, early = 0;
  for (int i = 1; i + 1 < days; ++i) {
    if (rises[i] == NoEventBefore) {
      ++missing;
      EXPECT_GT(rises[i - 1], 22.5) << i;
      EXPECT_LT(rises[i + 1], 1.5) << i;
    } else {
      EXPECT_LT(std::fabs(rises[i]), 24) << i;
      if (rises[i] < 1.5) ++early;
    }
  }
  EXPECT_EQ(missing, 2);
  EXPECT_GE(early, 2);
}

TEST(SunLightVector, MoscowOnOctober12Of2005) {
  UpdateAt(55.75, 37.62, 4, Utc(2005, 10, 12, 12));
  double x, y, z;
  SunLightVector(x, y, z);
  EXPECT_NEAR(x / 1e19, 0.8905, 0.00005);
  EXPECT_NEAR(y / 1e19, 0.2450, 0.00005);
  EXPECT_NEAR(z / 1e19, 0.3833, 0.00005);
}

TEST(SunLightVector, NewAndFullMoon) {
  const MoonStateRecord saved = MoonState;
  MoonState.moonAzimuth = MoonState.sunAzimuth = 35;
  MoonState.moonAltitude = MoonState.sunAltitude = 20;
  double x, y, z;
  SunLightVector(x, y, z);
  EXPECT_NEAR(x, 0, 1e4);
  EXPECT_NEAR(y, 0, 1e4);
  EXPECT_NEAR(z, -1e19, 1e4);
  MoonState.sunAzimuth = 35 - 180;
  MoonState.sunAltitude = -20;
  SunLightVector(x, y, z);
  EXPECT_NEAR(x, 0, 1e4);
  EXPECT_NEAR(y, 0, 1e4);
  EXPECT_NEAR(z, 1e19, 1e4);
  MoonState = saved;
}

TEST(RotateAboutAxis, QuarterTurns) {
  const struct {
    RotationAxis axis;
    double in[3], out[3];
  } cases[] = {
      {AxisX, {0, 1, 0}, {0, 0, -1}},
      {AxisX, {0, 0, 1}, {0, 1, 0}},
      {AxisY, {1, 0, 0}, {0, 0, 1}},
      {AxisY, {0, 0, 1}, {-1, 0, 0}},
      {AxisZ, {1, 0, 0}, {0, -1, 0}},
      {AxisZ, {0, 1, 0}, {1, 0, 0}},
  };
  for (const auto& c : cases) {
    double x = c.in[0], y = c.in[1], z = c.in[2];
    RotateAboutAxis(x, y, z, 90, c.axis);
    EXPECT_NEAR(x, c.out[0], 1e-15);
    EXPECT_NEAR(y, c.out[1], 1e-15);
    EXPECT_NEAR(z, c.out[2], 1e-15);
  }
}

}  // namespace

namespace {

// Day after day at Moscow through four lunations: each date's text starts with the lunar
// day the previous date ended on; a moonrise date shows "N-1/N(rise)"; a date without
// moonrise or new moon shows a single number; a new moon date goes back to 1, and the
// date after it starts at 2 exactly when the moon rose after the new moon on its date.
TEST(LunarDay, CountsRisesDayByDay) {
  const double zone = 4;
  const DateTimeRecord firstMidnight = Utc(2005, 1, 9, -4);
  int previousLast = -1;
  int newMoonDates = 0, singleNumberDates = 0;
  bool expectStartAtTwo = false, checkStart = false;
  for (int i = 0; i < 118; ++i) {
    const DateTimeRecord midnight = AddDays(firstMidnight, i);
    UpdateAt(55.75, 37.62, zone, AddDays(midnight, 0.5));
    const std::string text = MoonState.lunarDayText;
    ASSERT_FALSE(text.empty()) << i;
    const double today = DayNumber(midnight);
    const LunarDayCount count = CountLunarDaysTo(midnight, zone);
    const bool newMoonToday = count.nextNewMoon < today + 1;
    int first = 0, last = 0;
    char rise[8] = "", newMoon[8] = "";
    if (newMoonToday) {
      ++newMoonDates;
      const bool riseAfterNewMoon = count.moonrise > count.nextNewMoon;
      if (riseAfterNewMoon) {
        ASSERT_EQ(std::sscanf(text.c_str(), "%d/1(%5[0-9:])/2(%5[0-9:])", &first, newMoon, rise), 3) << text;
        last = 2;
      } else {
        ASSERT_EQ(std::sscanf(text.c_str(), "%d/%d(%5[0-9:])/1(%5[0-9:])", &first, &last, rise, newMoon), 4) << text;
        EXPECT_EQ(last, first + 1) << text;
        last = 1;
      }
      EXPECT_EQ(newMoon, Clock((count.nextNewMoon - today) * 24)) << text;
      expectStartAtTwo = riseAfterNewMoon;
      checkStart = true;
    } else if (MoonState.moonRise == NoEventBefore) {
      ++singleNumberDates;
      ASSERT_EQ(std::sscanf(text.c_str(), "%d", &first), 1);
      EXPECT_EQ(text, std::to_string(first));
      last = first;
    } else {
      ASSERT_EQ(std::sscanf(text.c_str(), "%d/%d(%5[0-9:])", &first, &last, rise), 3) << text;
      EXPECT_EQ(last, first + 1) << text;
      EXPECT_EQ(rise, Clock(MoonState.moonRise)) << text;
      if (checkStart) {
        EXPECT_EQ(first, expectStartAtTwo ? 2 : 1) << text;
      }
      checkStart = false;
    }
    if (previousLast > 0) {
      EXPECT_EQ(first, previousLast) << "date " << i << ": " << text;
    }
    previousLast = last;
  }
  EXPECT_EQ(newMoonDates, 4);
  EXPECT_GE(singleNumberDates, 3);
}

TEST(ClockRanges, FullTurnsWrapToZero) {
  EXPECT_EQ(ReduceHours(24.0), 0.0);
  EXPECT_EQ(ReduceHours(-1e-18), 0.0);  // -1e-18 + 24 rounds to 24
  EXPECT_EQ(ReduceHours(-1.0), 23.0);
  EXPECT_EQ(ReduceHours(49.5), 1.5);
}

}  // namespace
