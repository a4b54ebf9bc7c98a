// The date cache and the series memo change no bit of any field: a long pseudo-random walk
// through instants, places and zones is computed plainly and with both, and compared.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "ephemeris/ephemeris_engine.h"
#include "ephemeris/moon_state.h"
#include "ephemeris/nutation.h"
#include "ephemeris/time_scale.h"

namespace {

struct Step {
  double unixSeconds;  // may carry a fraction
  double zone;
  double latitude, longitude;
};

// Small deterministic generator (xorshift64*), so every run walks the same path.
struct Random {
  std::uint64_t state;
  double Next() {
    state ^= state >> 12;
    state ^= state << 25;
    state ^= state >> 27;
    return static_cast<double>((state * 2685821657736338717ULL) >> 11) / 9007199254740992.0;
  }
  double Between(double low, double high) { return low + (high - low) * Next(); }
};

double RandomLatitude(Random& random) {
  const double r = random.Next();
  if (r < 0.08) return random.Next() < 0.5 ? 90.0 : -90.0;
  if (r < 0.4) return (random.Next() < 0.5 ? 1 : -1) * random.Between(62, 89.99);  // polar
  return random.Between(-62, 62);
}

double RandomZone(Random& random) {
  static const double kZones[] = {-12, -10, -9.5, -8, -5, -3.5, -1, 0, 1, 2, 3, 4, 5.5, 5.75, 8, 9.5, 12, 13, 14};
  return kZones[static_cast<int>(random.Next() * (sizeof kZones / sizeof kZones[0]))];
}

double RandomInstant(Random& random) {
  return random.Between(static_cast<double>(UnixSecondsFromUtc(1975, 1, 1, 0, 0, 0)),
                        static_cast<double>(UnixSecondsFromUtc(2045, 1, 1, 0, 0, 0)));
}

std::vector<Step> Walk(int count) {
  Random random = {0x5e1e7a41u};
  std::vector<Step> steps;
  Step s = {RandomInstant(random), 3, 55.75, 37.62};
  for (int i = 0; i < count; ++i) {
    const double r = random.Next();
    if (r < 0.55) {
      s.unixSeconds += random.Between(0.128, 900);  // the same date, mostly
    } else if (r < 0.72) {
      s.unixSeconds += random.Between(3600, 9 * 3600);  // often across local midnight
    } else if (r < 0.82) {
      s.zone = RandomZone(random);
    } else if (r < 0.92) {
      // The latitude, the longitude or both.
      const double which = random.Next();
      if (which < 0.7) s.latitude = RandomLatitude(random);
      if (which > 0.4) s.longitude = random.Between(-180, 180);
    } else {
      s.unixSeconds = RandomInstant(random);
    }
    steps.push_back(s);
  }
  return steps;
}

DateTimeRecord UtcOf(double unixSeconds) {
  const double whole = std::floor(unixSeconds);
  DateTimeRecord r = UtcRecordFromUnixSeconds(static_cast<long long>(whole));
  r.second += unixSeconds - whole;
  return r;
}

struct Outcome {
  MoonStateRecord state;
  double lastNewMoon;
};

std::vector<Outcome> RunWalk(const std::vector<Step>& steps, bool optimised) {
  SetSeriesMemo(optimised);
  SetDateCache(optimised);
  std::vector<Outcome> outcomes;
  for (const Step& s : steps) {
    ObserverPlace.latitude = s.latitude;
    ObserverPlace.longitude = s.longitude;
    UpdateMoonStateAt(UtcOf(s.unixSeconds), s.zone);
    Outcome o;
    std::memcpy(&o.state, &MoonState, sizeof MoonState);
    o.lastNewMoon = LastNewMoon();
    outcomes.push_back(o);
  }
  SetSeriesMemo(true);
  SetDateCache(true);
  return outcomes;
}

TEST(DateCache, EveryFieldBitIdenticalToPlainEvaluation) {
  const std::vector<Step> steps = Walk(1200);
  const std::vector<Outcome> plain = RunWalk(steps, false);
  const std::vector<Outcome> cached = RunWalk(steps, true);
  int polar = 0, failedCounts = 0;
  for (size_t i = 0; i < steps.size(); ++i) {
    if (std::fabs(steps[i].latitude) > 66.5) ++polar;
    if (plain[i].state.lunarDay == -1) ++failedCounts;
    ASSERT_EQ(std::memcmp(&plain[i].state, &cached[i].state, sizeof(MoonStateRecord)), 0)
        << "step " << i << " at " << steps[i].unixSeconds << " zone " << steps[i].zone << " place "
        << steps[i].latitude << ", " << steps[i].longitude;
    ASSERT_EQ(std::memcmp(&plain[i].lastNewMoon, &cached[i].lastNewMoon, sizeof(double)), 0) << i;
  }
  // The walk really visits the awkward cases.
  EXPECT_GT(polar, 100);
  EXPECT_GT(failedCounts, 10);
}

}  // namespace
