// Ecliptic -> equatorial -> horizontal conversions.
#ifndef SELENARIUM_EPHEMERIS_COORDINATES_H
#define SELENARIUM_EPHEMERIS_COORDINATES_H

// Replaces ecliptic longitude and latitude (degrees) by right ascension in [0, 360) and
// declination, for the obliquity in degrees.
void EclipticToEquatorial(double& longitude, double& latitude, double obliquity);

// Replaces right ascension and declination by azimuth in [0, 360) (from the south towards
// the west) and height, for the local sidereal angle in degrees and the latitude of
// ObserverPlace. Geocentric: no refraction, no parallax.
void EquatorialToHorizontal(double& rightAscension, double& declination, double siderealAngle);

// Brings an azimuth in degrees into (-180, 180]; due north stays +180.
double AzimuthIntoRange(double azimuth);

#endif
