// Degrees, minutes and seconds as the dialog shows them. Portable.
#ifndef SELENARIUM_SETTINGS_COORDINATES_H
#define SELENARIUM_SETTINGS_COORDINATES_H

#include <string>

struct DegreeParts {
    int degrees;
    int minutes;
    int seconds;
};

// Whole degrees, minutes and seconds of |angle|; seconds rounded half up, a rounded 60
// carries into the minutes and a 60 there into the degrees.
DegreeParts SplitDegrees(double angle);

// Combines the three fields into degrees (no sign).
double JoinDegrees(double degrees, double minutes, double seconds);

// The text asking to confirm a new place: addConfirm, then "name: place", then the
// latitude and longitude in degrees, minutes and seconds with N/S and E/W.
std::string FormatAddConfirmation(const char* addConfirm, const char* nameLabel, const char* name,
                                  const char* latitudeLabel, double latitude,
                                  const char* longitudeLabel, double longitude);

#endif
