#include "scene/panel_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

std::string Angle(double x) {
    char text[64];
    FormatAngle(x, text, sizeof text);
    return text;
}

std::string Time(double t) {
    char text[16];
    FormatPanelTime(t, text, sizeof text);
    return text;
}

std::string DayLength(double rise, double set) {
    char text[16];
    FormatDayLength(rise, set, text, sizeof text);
    return text;
}

}  // namespace

TEST(FormatAngle, DegreesMinutesSecondsWithSignAndRounding) {
    struct { double angle; const char* text; } cases[] = {
        {-0.5, "-0\xB0 30' 00\""},
        {-12.5, "-12\xB0 30' 00\""},
        {12.5, "12\xB0 30' 00\""},
        {0.0, "00\xB0 00' 00\""},
        {5.0, "05\xB0 00' 00\""},
        {43.217, "43\xB0 13' 01\""},
        {1.0 / 7200.0, "00\xB0 00' 01\""},      // half a second rounds up
        {359.99999, "00\xB0 00' 00\""},         // 360 wraps to 0
        {180.0, "180\xB0 00' 00\""},
        {-179.99999, "-180\xB0 00' 00\""},
        {1e6, "280\xB0 00' 00\""},              // arc seconds beyond 32 bits
        {-1e6 - 0.5, "-280\xB0 30' 00\""},
    };
    for (const auto& c : cases) EXPECT_EQ(c.text, Angle(c.angle)) << c.angle;
}

TEST(FormatAngle, NoNumberGivesDashes) {
    EXPECT_EQ("--", Angle(1e200));
    EXPECT_EQ("--", Angle(std::nan("")));
}

TEST(FormatPanelTime, RoundsToTheMinuteAndShowsMarkersAsDashes) {
    struct { double hours; const char* text; } cases[] = {
        {23.99999, "24:00"}, {5.9999, "06:00"}, {7.9, "07:54"}, {18.616, "18:37"},
        {0.0, "00:00"}, {17.553, "17:33"}, {-1e200, "--"}, {1e200, "--"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.text, Time(c.hours)) << c.hours;
}

TEST(DayLength, MinutesBetweenRiseAndSetAndThePolarCases) {
    EXPECT_EQ("10:43", DayLength(7.9, 18.616));
    EXPECT_EQ("24:00", DayLength(1e200, 1e200));   // the Sun never sets
    EXPECT_EQ("24:00", DayLength(1e200, 12.0));
    EXPECT_EQ("00:00", DayLength(-1e200, -1e200)); // polar night
    EXPECT_EQ("--", DayLength(6.0, 1e200));        // only one event on this date
    EXPECT_EQ("--", DayLength(-1e200, 18.0));
    EXPECT_EQ("--", DayLength(6.0, -1e200));
    EXPECT_EQ(1440, DayLengthMinutes(0.0, 23.99999));
}
