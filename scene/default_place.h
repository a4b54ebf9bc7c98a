// The observer's place when the settings hold none: a latitude by language and a
// longitude guessed from the system's time zone.
#ifndef SELENARIUM_SCENE_DEFAULT_PLACE_H
#define SELENARIUM_SCENE_DEFAULT_PLACE_H

// 40.0 for English, 55.0 for Russian.
double DefaultLatitude(bool russian);

// 15 degrees per hour of the zone's standard offset, the offset rounded half up to
// whole hours and kept within +-12. `biasMinutes` is the Windows bias: UTC = local + bias.
double DefaultLongitudeFromBias(long biasMinutes);

#endif
