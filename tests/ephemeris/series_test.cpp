// Fundamental arguments, nutation, obliquity, and the lunar and solar theories.
#include <gtest/gtest.h>

#include "ephemeris/moon_position.h"
#include "ephemeris/nutation.h"
#include "ephemeris/sun_position.h"

namespace {

TEST(FundamentalArguments, AtEpoch) {
  const FundamentalAngles a = FundamentalArguments(0);
  EXPECT_NEAR(a.l, 134.96298, 5e-6);
  EXPECT_NEAR(a.lp, 357.52772, 5e-6);
  EXPECT_NEAR(a.F, 93.27191, 5e-6);
  EXPECT_NEAR(a.D, 297.85036, 5e-6);
  EXPECT_NEAR(a.Omega, 125.04452, 5e-6);
}

TEST(FundamentalArguments, StayInRangeForNegativeDays) {
  for (double d : {-1.0, -4649.5, -36525.0, -100000.3, 54321.0}) {
    const FundamentalAngles a = FundamentalArguments(d);
    for (double v : {a.l, a.lp, a.F, a.D, a.Omega}) {
      EXPECT_GE(v, 0) << d;
      EXPECT_LT(v, 360) << d;
    }
  }
}

TEST(Nutation, April10Of1987) {
  const double d = -4649.5;
  EXPECT_NEAR(NutationInLongitude(d), -3.788, 0.0005);
  EXPECT_NEAR(NutationInObliquity(d), 9.442, 0.0005);
  EXPECT_NEAR(MeanObliquity(d), 23 * 3600 + 26 * 60 + 27.407, 0.0005);
  EXPECT_NEAR(TrueObliquity(d), (23 * 3600 + 26 * 60 + 27.407 + 9.442) / 3600.0, 1e-6);
}

TEST(Nutation, MemoGivesTheSameBits) {
  for (double d : {-4649.5, 0.0, 2111.0, 2111.0, 2111.25, -4649.5}) {
    SetSeriesMemo(true);
    const double longitude = NutationInLongitude(d), obliquity = TrueObliquity(d);
    const FundamentalAngles a = FundamentalArguments(d);
    SetSeriesMemo(false);
    EXPECT_EQ(longitude, NutationInLongitude(d));
    EXPECT_EQ(obliquity, TrueObliquity(d));
    EXPECT_EQ(a.D, FundamentalArguments(d).D);
  }
  SetSeriesMemo(true);
}

struct MoonCase {
  double d;
  double longitude, latitude, parallax;
};

TEST(MoonPosition, KnownDates) {
  EXPECT_NEAR(MoonMeanLongitude(0), 218.31643, 5e-6);
  const MoonCase cases[] = {
      {0.0, 223.31769, 5.17004, 0.90796},
      {-2820.5, 133.15135, -3.22708, 0.99202},  // 1992-04-12 00:00
      {2111.0, 311.87986, -4.66063, 0.99386},   // 2005-10-12 12:00
  };
  for (const MoonCase& c : cases) {
    EXPECT_NEAR(MoonLongitude(c.d), c.longitude, 5e-6) << c.d;
    EXPECT_NEAR(MoonLatitude(c.d), c.latitude, 5e-6) << c.d;
    EXPECT_NEAR(MoonParallax(c.d), c.parallax, 5e-6) << c.d;
  }
}

struct SunCase {
  double d;
  double longitude, distance;
};

TEST(SunPosition, KnownDates) {
  EXPECT_NEAR(SunMeanLongitude(0), 280.46329, 5e-6);
  const SunCase cases[] = {
      {0.0, 280.37766, 0.983326},
      {-2636.5, 199.90555, 0.997607},  // 1992-10-13 00:00
      {2111.0, 199.26267, 0.997870},   // 2005-10-12 12:00
  };
  for (const SunCase& c : cases) {
    EXPECT_NEAR(SunLongitude(c.d), c.longitude, 5e-6) << c.d;
    EXPECT_NEAR(SunDistance(c.d), c.distance, 5e-7) << c.d;
  }
}

// Longitudes wrap into [0, 360) where they cross 0: scan days around crossings.
TEST(Longitudes, WrapAtFullCircle) {
  double lastMoon = MoonLongitude(0), lastSun = SunLongitude(0);
  int moonWraps = 0, sunWraps = 0;
  for (double d = 0.05; d < 800; d += 0.05) {
    const double moon = MoonLongitude(d), sun = SunLongitude(d);
    for (double v : {moon, sun}) {
      ASSERT_GE(v, 0) << d;
      ASSERT_LT(v, 360) << d;
    }
    if (moon < lastMoon - 180) ++moonWraps;
    if (sun < lastSun - 180) ++sunWraps;
    lastMoon = moon;
    lastSun = sun;
  }
  EXPECT_GE(moonWraps, 29);
  EXPECT_EQ(sunWraps, 2);
}

}  // namespace
