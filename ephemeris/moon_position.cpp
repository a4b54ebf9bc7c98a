// Truncated trigonometric lunar theory: 60 terms in longitude and parallax, 45 in latitude.
#include "ephemeris/moon_position.h"

#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/nutation.h"
#include "ephemeris/series_tables.h"

namespace {

double Argument(const int m[4], const FundamentalAngles& a) {
  return (m[0] * a.l + m[1] * a.lp + m[2] * a.F + m[3] * a.D) * kRadiansPerDegree;
}

}  // namespace

double MoonMeanLongitude(double d) {
  const double t = d / 36525.0;
  return ReduceDegrees((785939.157 + 1732564372.598 * t - 5.802 * t * t + 0.019 * t * t * t) / 3600.0);
}

double MoonLongitude(double d) {
  const FundamentalAngles a = FundamentalArguments(d);
  double sum = 0;
  for (int i = 0; i < kLunarLongitudeTermCount; ++i) {
    const LunarLongitudeTerm& term = kLunarLongitudeTerms[i];
    sum += term.longitudeSine * std::sin(Argument(term.multipliers, a));
  }
  return ReduceDegrees(MoonMeanLongitude(d) + sum / 3600.0);
}

double MoonLatitude(double d) {
  const FundamentalAngles a = FundamentalArguments(d);
  double sum = 0;
  for (int i = 0; i < kLunarLatitudeTermCount; ++i) {
    const LunarLatitudeTerm& term = kLunarLatitudeTerms[i];
    sum += term.latitudeSine * std::sin(Argument(term.multipliers, a));
  }
  return std::fmod(sum / 3600.0, 360.0);
}

double MoonParallax(double d) {
  const FundamentalAngles a = FundamentalArguments(d);
  double sum = 0;
  for (int i = 0; i < kLunarLongitudeTermCount; ++i) {
    const LunarLongitudeTerm& term = kLunarLongitudeTerms[i];
    sum += term.parallaxCosine * std::cos(Argument(term.multipliers, a));
  }
  return ReduceDegrees((3422.451 + sum) / 3600.0);
}
