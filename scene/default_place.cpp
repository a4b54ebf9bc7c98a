#include "scene/default_place.h"

#include <cmath>

double DefaultLatitude(bool russian) { return russian ? 55.0 : 40.0; }

double DefaultLongitudeFromBias(long biasMinutes) {
    const double hours = -static_cast<double>(biasMinutes) / 60.0;
    double whole = std::floor(hours);
    if (hours - whole >= 0.5) whole += 1.0;
    if (whole < -12.0) whole = -12.0;
    if (whole > 12.0) whole = 12.0;
    return 15.0 * whole;
}
