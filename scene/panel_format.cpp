#include "scene/panel_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

long RoundHalfUp(double x) { return static_cast<long>(std::floor(x + 0.5)); }

bool IsNoEvent(double hours) { return !(std::fabs(hours) <= NoEventLimit); }

// Whole minutes of a clock time: the hour truncated, the fraction rounded to the minute.
long ClockMinutes(double hours) {
    const double whole = std::trunc(hours);
    const double magnitude = std::fabs(hours);
    return static_cast<long>(whole) * 60 + RoundHalfUp((magnitude - std::trunc(magnitude)) * 60.0);
}

void WriteHoursMinutes(long minutes, char* text, size_t size) {
    std::snprintf(text, size, "%02ld:%02ld", minutes / 60, minutes % 60);
}

}  // namespace

void FormatAngle(double angle, char* text, size_t size) {
    if (!(std::fabs(angle) < 1e9)) {  // not a number or no angle at all
        std::snprintf(text, size, "--");
        return;
    }
    // Whole arc seconds of up to 1e9 degrees need more than 32 bits.
    const long long seconds = static_cast<long long>(std::floor(std::fabs(angle) * 3600.0 + 0.5));
    const int degrees = static_cast<int>((seconds / 3600) % 360);
    const int minutes = static_cast<int>((seconds / 60) % 60);
    const int rest = static_cast<int>(seconds % 60);
    if (angle < 0.0) {
        std::snprintf(text, size, "-%d\xB0 %02d' %02d\"", degrees, minutes, rest);
    } else {
        std::snprintf(text, size, "%02d\xB0 %02d' %02d\"", degrees, minutes, rest);
    }
}

void FormatPanelTime(double hours, char* text, size_t size) {
    if (IsNoEvent(hours)) {
        std::snprintf(text, size, "--");
        return;
    }
    WriteHoursMinutes(ClockMinutes(hours), text, size);
}

int DayLengthMinutes(double sunRise, double sunSet) {
    if (sunRise >= NoEventLimit) return 1440;
    if (sunRise <= -NoEventLimit && sunSet <= -NoEventLimit) return 0;
    if (IsNoEvent(sunRise) || IsNoEvent(sunSet)) return -1;
    return static_cast<int>(std::labs(ClockMinutes(sunRise) - ClockMinutes(sunSet)));
}

void FormatDayLength(double sunRise, double sunSet, char* text, size_t size) {
    const int minutes = DayLengthMinutes(sunRise, sunSet);
    if (minutes < 0) {
        std::snprintf(text, size, "--");
        return;
    }
    WriteHoursMinutes(minutes, text, size);
}
