// Coordinate conversions on the celestial sphere.
#include "ephemeris/coordinates.h"

#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/moon_state.h"

void EclipticToEquatorial(double& longitude, double& latitude, double obliquity) {
  const double l = longitude * kRadiansPerDegree;
  const double b = latitude * kRadiansPerDegree;
  const double e = obliquity * kRadiansPerDegree;
  const double sinDeclination = std::sin(b) * std::cos(e) + std::cos(b) * std::sin(e) * std::sin(l);
  const double ra = std::atan2(std::sin(l) * std::cos(b) * std::cos(e) - std::sin(b) * std::sin(e),
                               std::cos(l) * std::cos(b));
  longitude = ReduceDegrees(ra * kDegreesPerRadian);
  latitude = std::asin(sinDeclination) * kDegreesPerRadian;
}

void EquatorialToHorizontal(double& rightAscension, double& declination, double siderealAngle) {
  const double phi = ObserverPlace.latitude * kRadiansPerDegree;
  const double h = (siderealAngle - rightAscension) * kRadiansPerDegree;
  const double d = declination * kRadiansPerDegree;
  const double sinHeight = std::sin(phi) * std::sin(d) + std::cos(phi) * std::cos(d) * std::cos(h);
  const double azimuth = std::atan2(std::sin(h) * std::cos(d),
                                    std::sin(phi) * std::cos(h) * std::cos(d) - std::cos(phi) * std::sin(d));
  rightAscension = ReduceDegrees(azimuth * kDegreesPerRadian);
  declination = std::asin(sinHeight) * kDegreesPerRadian;
}

double AzimuthIntoRange(double azimuth) {
  double a = std::fmod(azimuth, 360.0);
  if (a > 180.0) a -= 360.0;
  if (a <= -180.0) a += 360.0;
  return a;
}
