// Fundamental arguments, IAU 1980 nutation and the obliquity of the ecliptic.
#ifndef SELENARIUM_EPHEMERIS_NUTATION_H
#define SELENARIUM_EPHEMERIS_NUTATION_H

// The five Delaunay arguments in degrees, each in [0, 360).
struct FundamentalAngles {
  double l;      // mean anomaly of the Moon
  double lp;     // mean anomaly of the Sun (l')
  double F;      // Moon's argument of latitude
  double D;      // mean elongation of the Moon from the Sun
  double Omega;  // longitude of the Moon's ascending node
};

FundamentalAngles FundamentalArguments(double dayNumber);

// Nutation in longitude and in obliquity, arcseconds.
double NutationInLongitude(double dayNumber);
double NutationInObliquity(double dayNumber);

// Mean obliquity in arcseconds.
double MeanObliquity(double dayNumber);

// True obliquity (mean plus nutation) in degrees, [0, 360).
double TrueObliquity(double dayNumber);

// The series are pure functions of the day number; the iterations ask for the same day
// number several times in a row (nutation for the position, again for sidereal time), so
// the last result of each is remembered. Switching this off gives the plain evaluation
// with bit-identical results; benchmarks compare the two.
void SetSeriesMemo(bool enabled);
bool SeriesMemoEnabled();

#endif
