// Rising and setting of the Moon and the Sun for the observer's local date.
#ifndef SELENARIUM_EPHEMERIS_RISE_SET_H
#define SELENARIUM_EPHEMERIS_RISE_SET_H

#include "ephemeris/time_scale.h"

enum Body { BodyMoon, BodySun };

// Results of the searches in place of a day number.
const double NeverRises = -4e100;    // below the rising threshold all day
const double AlwaysUp = 4e100;       // above the threshold all day
const double OutOfDayRise = -2e100;  // (with marking) the rise found lies outside the date
const double OutOfDaySet = 2e100;    // (with marking) the set found lies outside the date

// Passes of one event's iteration after which its last estimate is taken as the result.
// Converging searches need a few tens of passes at most; this only stops an endless one.
const int kRiseSetPassLimit = 1000;

// Iterates the rise and the set of `body` separately for the date whose local midnight (in
// UT) `dayRecord` holds, the body's centre at `depression` degrees below the horizon.
// Day numbers, or NeverRises / AlwaysUp.
void RiseSetSearch(double& rise, double& set, DateTimeRecord dayRecord, Body body, double depression);

// The depression of the body's rising threshold at a day number (refraction, semi-diameter
// and parallax), in degrees.
double RiseSetDepression(Body body, double dayNumber);

// Rise and set for the date, retrying the neighbouring dates when the first search lands
// outside it; with markOutOfDay, events still outside become OutOfDayRise / OutOfDaySet.
void RiseSetForDay(double& rise, double& set, DateTimeRecord dayRecord, Body body, bool markOutOfDay);

// Rise and set on the local date that begins at `localMidnight` (UT record), in hours after
// that midnight in [0, 24), or NoEventBefore / NoEventAfter.
void RiseSetHours(const DateTimeRecord& localMidnight, Body body, double& riseHours, double& setHours);

// RiseSetHours for the local date of the update in progress (its clock and zone).
void TodayRiseSet(Body body, double& riseHours, double& setHours);

#endif
