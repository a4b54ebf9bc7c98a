// Solar theory: equation of the centre, planetary and lunar perturbations, long-period term.
#include "ephemeris/sun_position.h"

#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/nutation.h"
#include "ephemeris/series_tables.h"

namespace {

double MeanElement(double c0, double c1, double c2, double c3, double t) {
  return ReduceDegrees((c0 + c1 * t + c2 * t * t + c3 * t * t * t) / 3600.0);
}

double Evaluate(const SolarPolynomial& p, double t1900) {
  return p.c0 + p.c1 * t1900 + p.c2 * t1900 * t1900;
}

// Angles of both series in radians.
struct SolarArguments {
  double l, lp, F, D;
  double venus, mars, jupiter, saturn;
  double t1900;
};

SolarArguments Arguments(double d) {
  const FundamentalAngles f = FundamentalArguments(d);
  const PlanetAnomalies p = PlanetMeanAnomalies(d);
  SolarArguments a;
  a.l = f.l * kRadiansPerDegree;
  a.lp = f.lp * kRadiansPerDegree;
  a.F = f.F * kRadiansPerDegree;
  a.D = f.D * kRadiansPerDegree;
  a.venus = p.venus * kRadiansPerDegree;
  a.mars = p.mars * kRadiansPerDegree;
  a.jupiter = p.jupiter * kRadiansPerDegree;
  a.saturn = p.saturn * kRadiansPerDegree;
  a.t1900 = (d + 36525.0) / 36525.0;
  return a;
}

double PlanetaryArgument(const SolarPlanetaryTerm& term, const SolarArguments& a) {
  const int* n = term.multipliers;
  return n[0] * a.lp + n[1] * a.venus + n[2] * a.mars + n[3] * a.jupiter + n[4] * a.saturn;
}

double LunarArgument(const SolarLunarTerm& term, const SolarArguments& a) {
  const int* m = term.multipliers;
  return m[0] * a.l + m[1] * a.lp + m[2] * a.F + m[3] * a.D;
}

}  // namespace

double SunMeanLongitude(double d) {
  return MeanElement(1009667.85, 129602771.27, 1.089, 0, d / 36525.0);
}

PlanetAnomalies PlanetMeanAnomalies(double d) {
  const double t = d / 36525.0;
  PlanetAnomalies p;
  p.venus = MeanElement(655127.283, 210669166.909, 1.1182, 0.0001, t) -
            MeanElement(473629.346, 5047.994, -3.8618, -0.0189, t);
  p.mars = MeanElement(1279559.789, 68910107.309, 1.1195, 0.0001, t) -
           MeanElement(1209816.842, 6627.759, 0.4864, 0.001, t);
  p.jupiter = MeanElement(123665.342, 10930690.04, 0.8055, 0.0001, t) -
              MeanElement(51592.713, 5805.497, 3.7132, -0.0159, t);
  p.saturn = MeanElement(180278.897, 4404639.651, 1.8703, 0, t) -
             MeanElement(335004.434, 7069.538, 3.015, 0.0181, t);
  return p;
}

double SunLongitude(double d) {
  const SolarArguments a = Arguments(d);
  double sum = 0;
  for (int i = 0; i < kSolarPlanetaryTermCount; ++i) {
    const SolarPlanetaryTerm& term = kSolarPlanetaryTerms[i];
    const double sine = Evaluate(term.longitudeSine, a.t1900);
    const double cosine = Evaluate(term.longitudeCosine, a.t1900);
    if (sine == 0 && cosine == 0) continue;  // adds exactly nothing
    const double argument = PlanetaryArgument(term, a);
    sum += sine * std::sin(argument) + cosine * std::cos(argument);
  }
  const double theta = 13.0 * a.lp - 8.0 * a.venus + 3.8990655 + 0.0785398 * a.t1900;
  sum += 0.000007 * std::sin(theta) + 0.000006 * std::cos(theta);
  for (int i = 0; i < kSolarLunarTermCount; ++i) {
    const SolarLunarTerm& term = kSolarLunarTerms[i];
    sum += term.longitudeSine * std::sin(LunarArgument(term, a));
  }
  return ReduceDegrees(SunMeanLongitude(d) + sum * kDegreesPerRadian);
}

double SunDistance(double d) {
  const SolarArguments a = Arguments(d);
  double sum = 0;
  for (int i = 0; i < kSolarPlanetaryTermCount; ++i) {
    const SolarPlanetaryTerm& term = kSolarPlanetaryTerms[i];
    const double sine = Evaluate(term.logRadiusSine, a.t1900);
    const double cosine = Evaluate(term.logRadiusCosine, a.t1900);
    if (sine == 0 && cosine == 0) continue;
    const double argument = PlanetaryArgument(term, a);
    sum += sine * std::sin(argument) + cosine * std::cos(argument);
  }
  for (int i = 0; i < kSolarLunarTermCount; ++i) {
    const SolarLunarTerm& term = kSolarLunarTerms[i];
    sum += term.logRadiusCosine * std::cos(LunarArgument(term, a));
  }
  return std::pow(10.0, sum);
}
