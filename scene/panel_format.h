// Texts of the information panel: angles in degrees, minutes and seconds, clock times
// of rising and setting, and the length of the day.
#ifndef SELENARIUM_SCENE_PANEL_FORMAT_H
#define SELENARIUM_SCENE_PANEL_FORMAT_H

#include <cstddef>

// Times whose magnitude exceeds this are the "no event" markers of the moon state.
const double NoEventLimit = 1e100;

// "12° 30' 00"" (degree sign byte 0xB0); negative angles get a leading minus sign.
void FormatAngle(double angle, char* text, size_t size);

// "HH:MM" of a time of day in hours, rounded to the minute; "--" for a no-event marker.
void FormatPanelTime(double hours, char* text, size_t size);

// Minutes between sunrise and sunset: 1440 when the Sun never sets, 0 when it never
// rises, -1 when only one of the two events exists on the date.
int DayLengthMinutes(double sunRise, double sunSet);

// "HH:MM" of DayLengthMinutes, or "--" when it has no value.
void FormatDayLength(double sunRise, double sunSet, char* text, size_t size);

#endif
