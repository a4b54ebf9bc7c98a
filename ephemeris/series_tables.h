// Coefficient tables of the lunar and solar theories (defined in series_tables.cpp).
#ifndef SELENARIUM_EPHEMERIS_SERIES_TABLES_H
#define SELENARIUM_EPHEMERIS_SERIES_TABLES_H

struct LunarLongitudeTerm {
  int multipliers[4];  // l, l', F, D
  double longitudeSine;
  double parallaxCosine;
};

struct LunarLatitudeTerm {
  int multipliers[4];  // l, l', F, D
  double latitudeSine;
};

// c0 + c1*T + c2*T*T, T in centuries from 1900 January 0.5.
struct SolarPolynomial {
  double c0, c1, c2;
};

struct SolarPlanetaryTerm {
  int multipliers[5];  // l', M(Venus), M(Mars), M(Jupiter), M(Saturn)
  SolarPolynomial longitudeSine, longitudeCosine, logRadiusSine, logRadiusCosine;
};

struct SolarLunarTerm {
  int multipliers[4];  // l, l', F, D
  double longitudeSine;
  double logRadiusCosine;
};

const int kLunarLongitudeTermCount = 60;
const int kLunarLatitudeTermCount = 45;
const int kSolarPlanetaryTermCount = 49;
const int kSolarLunarTermCount = 4;

extern const LunarLongitudeTerm kLunarLongitudeTerms[kLunarLongitudeTermCount];
extern const LunarLatitudeTerm kLunarLatitudeTerms[kLunarLatitudeTermCount];
extern const SolarPlanetaryTerm kSolarPlanetaryTerms[kSolarPlanetaryTermCount];
extern const SolarLunarTerm kSolarLunarTerms[kSolarLunarTermCount];

#endif
