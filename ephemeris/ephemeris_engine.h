// The update's own values and the entry that computes the moon state for a given instant.
#ifndef SELENARIUM_EPHEMERIS_EPHEMERIS_ENGINE_H
#define SELENARIUM_EPHEMERIS_EPHEMERIS_ENGINE_H

#include "ephemeris/time_scale.h"

// UT clock record and zone offset (hours, east positive) of the update in progress or the
// last one; the rise/set and lunar-day steps read them.
const DateTimeRecord& EngineClock();
double EngineZoneHours();

// Fills MoonState for a UT instant and a zone offset, with ObserverPlace. Returns 1.
int UpdateMoonStateAt(const DateTimeRecord& utc, double zoneHours);

// Today's rises and sets and the lunar-day count depend only on the local date, the zone
// and the place; they are kept between updates of the same date. Switching this off
// recomputes them at every update; the results are bit-identical either way.
void SetDateCache(bool enabled);
bool DateCacheEnabled();

// The last new moon (day number) found by the last update's lunar-day count.
double LastNewMoon();

#endif
