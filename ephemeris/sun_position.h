// The Sun's geometric ecliptic longitude (mean equinox of date) and distance.
#ifndef SELENARIUM_EPHEMERIS_SUN_POSITION_H
#define SELENARIUM_EPHEMERIS_SUN_POSITION_H

double SunMeanLongitude(double dayNumber);  // degrees, [0, 360)
double SunLongitude(double dayNumber);      // degrees, [0, 360); latitude is taken as 0
double SunDistance(double dayNumber);       // astronomical units

// Mean anomalies of Venus, Mars, Jupiter and Saturn in degrees (mean longitude minus
// longitude of perihelion, each reduced into [0, 360) before the difference).
struct PlanetAnomalies {
  double venus, mars, jupiter, saturn;
};
PlanetAnomalies PlanetMeanAnomalies(double dayNumber);

#endif
