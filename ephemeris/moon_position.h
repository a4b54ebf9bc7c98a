// The Moon's geocentric ecliptic position (mean equinox of date) and parallax.
#ifndef SELENARIUM_EPHEMERIS_MOON_POSITION_H
#define SELENARIUM_EPHEMERIS_MOON_POSITION_H

double MoonMeanLongitude(double dayNumber);  // degrees, [0, 360)
double MoonLongitude(double dayNumber);      // degrees, [0, 360)
double MoonLatitude(double dayNumber);       // degrees, negative south of the ecliptic
double MoonParallax(double dayNumber);       // equatorial horizontal parallax, degrees

#endif
