// Small angle helpers shared by the ephemeris.
#ifndef SELENARIUM_EPHEMERIS_ANGLES_H
#define SELENARIUM_EPHEMERIS_ANGLES_H

#include <cmath>

const double kPi = 3.14159265358979323846;
const double kRadiansPerDegree = kPi / 180.0;
const double kDegreesPerRadian = 180.0 / kPi;

// Reduces an angle in degrees into [0, 360).
inline double ReduceDegrees(double degrees) {
  double r = std::fmod(degrees, 360.0);
  if (r < 0) r += 360.0;
  if (r >= 360.0) r = 0.0;  // a tiny negative remainder plus 360 rounds up to 360
  return r;
}

#endif
