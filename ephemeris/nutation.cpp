// IAU 1980 fundamental arguments and nutation, IAU 1980 mean obliquity.
#include "ephemeris/nutation.h"

#include <cmath>

#include "ephemeris/angles.h"

namespace {

struct NutationTerm {
  int multipliers[5];  // l, l', F, D, Omega
  double longitude, longitudeRate;   // 0.0001", sine
  double obliquity, obliquityRate;   // 0.0001", cosine
};

const NutationTerm kNutationTerms[] = {
#include "nutation_table.inc"
};
const int kNutationTermCount = sizeof(kNutationTerms) / sizeof(kNutationTerms[0]);
static_assert(sizeof(kNutationTerms) / sizeof(kNutationTerms[0]) == 106,
              "the IAU 1980 series has 106 terms");

bool memoEnabled = true;

double Polynomial(double c0, double c1, double c2, double c3, double t) {
  return c0 + c1 * t + c2 * t * t + c3 * t * t * t;
}

FundamentalAngles ComputeFundamentalArguments(double d) {
  const double t = d / 36525.0;
  FundamentalAngles a;
  a.l = ReduceDegrees(Polynomial(485866.733, 1717915922.633, 31.310, 0.064, t) / 3600.0);
  a.lp = ReduceDegrees(Polynomial(1287099.804, 129596581.224, -0.577, -0.012, t) / 3600.0);
  a.F = ReduceDegrees(Polynomial(335778.877, 1739527263.137, -13.257, 0.011, t) / 3600.0);
  a.D = ReduceDegrees(Polynomial(1072261.307, 1602961601.328, -6.891, 0.019, t) / 3600.0);
  a.Omega = ReduceDegrees(Polynomial(450160.280, -6962890.539, 7.455, 0.008, t) / 3600.0);
  return a;
}

struct Nutation {
  double longitude;  // arcseconds
  double obliquity;  // arcseconds
};

// Both sums in one pass; each accumulates in table order, exactly as separate passes would.
Nutation ComputeNutation(double d) {
  const double t = d / 36525.0;
  const FundamentalAngles a = FundamentalArguments(d);
  double sumLongitude = 0, sumObliquity = 0;
  for (int i = 0; i < kNutationTermCount; ++i) {
    const NutationTerm& term = kNutationTerms[i];
    const double argument = (term.multipliers[0] * a.l + term.multipliers[1] * a.lp +
                             term.multipliers[2] * a.F + term.multipliers[3] * a.D +
                             term.multipliers[4] * a.Omega) * kRadiansPerDegree;
    sumLongitude += (term.longitude + term.longitudeRate * t) * std::sin(argument);
    sumObliquity += (term.obliquity + term.obliquityRate * t) * std::cos(argument);
  }
  Nutation n = {0.0001 * sumLongitude, 0.0001 * sumObliquity};
  return n;
}

Nutation NutationAt(double d) {
  static bool known = false;
  static double lastDay = 0;
  static Nutation last = {0, 0};
  if (!memoEnabled) return ComputeNutation(d);
  if (!known || lastDay != d) {
    last = ComputeNutation(d);
    lastDay = d;
    known = true;
  }
  return last;
}

}  // namespace

void SetSeriesMemo(bool enabled) { memoEnabled = enabled; }
bool SeriesMemoEnabled() { return memoEnabled; }

FundamentalAngles FundamentalArguments(double d) {
  static bool known = false;
  static double lastDay = 0;
  static FundamentalAngles last = {0, 0, 0, 0, 0};
  if (!memoEnabled) return ComputeFundamentalArguments(d);
  if (!known || lastDay != d) {
    last = ComputeFundamentalArguments(d);
    lastDay = d;
    known = true;
  }
  return last;
}

double NutationInLongitude(double d) { return NutationAt(d).longitude; }

double NutationInObliquity(double d) { return NutationAt(d).obliquity; }

double MeanObliquity(double d) {
  const double t = d / 36525.0;
  return Polynomial(84381.448, -46.815, -0.00059, 0.001813, t);
}

double TrueObliquity(double d) {
  return ReduceDegrees((MeanObliquity(d) + NutationInObliquity(d)) / 3600.0);
}
