#include "settings/coordinates.h"

#include <math.h>
#include <stdio.h>

DegreeParts SplitDegrees(double angle) {
    double a = fabs(angle);
    DegreeParts p;
    p.degrees = static_cast<int>(a);
    double c = (a - p.degrees) * 60.0;
    p.minutes = static_cast<int>(c);
    p.seconds = static_cast<int>(floor((c - p.minutes) * 60.0 + 0.5));
    if (p.seconds == 60) {
        p.seconds = 0;
        p.minutes += 1;
    }
    if (p.minutes == 60) {
        p.minutes = 0;
        p.degrees += 1;
    }
    return p;
}

double JoinDegrees(double degrees, double minutes, double seconds) {
    return degrees + minutes * (1.0 / 60.0) + seconds * (1.0 / 3600.0);
}

std::string FormatAddConfirmation(const char* addConfirm, const char* nameLabel, const char* name,
                                  const char* latitudeLabel, double latitude,
                                  const char* longitudeLabel, double longitude) {
    DegreeParts la = SplitDegrees(latitude);
    DegreeParts lo = SplitDegrees(longitude);
    std::string text = addConfirm;
    char line[700];
    snprintf(line, sizeof line, "%s: %s\n\r", nameLabel, name);
    text += line;
    // \xB0 is the degree sign of the single-byte code pages the program shows.
    snprintf(line, sizeof line, "%s: %d\xB0%d'%d\" %c  ", latitudeLabel, la.degrees, la.minutes, la.seconds,
             latitude > 0 ? 'N' : 'S');
    text += line;
    snprintf(line, sizeof line, "%s: %d\xB0%d'%d\" %c \n\r", longitudeLabel, lo.degrees, lo.minutes, lo.seconds,
             longitude > 0 ? 'E' : 'W');
    text += line;
    return text;
}
