// Interim definitions so that users of moon_state.h link while the ephemeris is completed.
#include "ephemeris/moon_state.h"

#include <cmath>

MoonStateRecord MoonState = {};
ObserverPlaceRecord ObserverPlace = {};

int UpdateMoonState() { return 1; }

void RotateAboutAxis(double& x, double& y, double& z, double angleDegrees, RotationAxis axis) {
  const double a = angleDegrees * 3.14159265358979323846 / 180.0;
  const double c = std::cos(a), s = std::sin(a);
  double nx = x, ny = y, nz = z;
  if (axis == AxisX) { ny = c * y + s * z; nz = c * z - s * y; }
  if (axis == AxisY) { nx = c * x - s * z; nz = s * x + c * z; }
  if (axis == AxisZ) { nx = c * x + s * y; ny = c * y - s * x; }
  x = nx; y = ny; z = nz;
}

void SunLightVector(double& x, double& y, double& z) {
  x = 0; y = 0; z = -1e19;
}
