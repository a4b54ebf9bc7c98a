#include <gtest/gtest.h>

#include <string>

#include "settings/coordinates.h"

namespace {

struct SplitCase {
    double angle;
    int degrees, minutes, seconds;
};

TEST(SplitDegrees, RoundsSecondsHalfUpAndCarries) {
    const SplitCase cases[] = {
        {55.133333333333333, 55, 8, 0},
        {-60.133333333333333, 60, 8, 0},        // the sign is not part of the parts
        {0.0, 0, 0, 0},
        {10.5, 10, 30, 0},
        {1.0 + 59.0 / 60 + 59.6 / 3600, 2, 0, 0},  // 59.6" rounds to 60: carries twice
        {1.0 + 10.0 / 60 + 59.6 / 3600, 1, 11, 0}, // rounds up to 60", carries once
        {1.0 + 10.0 / 60 + 59.4 / 3600, 1, 10, 59},
        {179.99999, 180, 0, 0},
        {-90.0, 90, 0, 0},
    };
    for (const SplitCase& c : cases) {
        DegreeParts p = SplitDegrees(c.angle);
        EXPECT_EQ(p.degrees, c.degrees) << c.angle;
        EXPECT_EQ(p.minutes, c.minutes) << c.angle;
        EXPECT_EQ(p.seconds, c.seconds) << c.angle;
    }
}

TEST(JoinDegrees, AddsMinutesAndSeconds) {
    EXPECT_DOUBLE_EQ(JoinDegrees(55, 8, 0), 55.0 + 8.0 / 60.0);
    EXPECT_DOUBLE_EQ(JoinDegrees(1, 30, 36), 1.51);
}

TEST(AddConfirmation, ListsNameAndBothAnglesWithHemisphereLetters) {
    std::string text = FormatAddConfirmation("Add:\n\r", "Name", "Home", "Latitude", 55.133333333333333,
                                             "Longitude", -60.5);
    EXPECT_EQ(text, "Add:\n\rName: Home\n\rLatitude: 55\xB0" "8'0\" N  Longitude: 60\xB0" "30'0\" W \n\r");
    // Zero counts as south and west.
    text = FormatAddConfirmation("", "N", "x", "A", 0.0, "B", 0.0);
    EXPECT_EQ(text, "N: x\n\rA: 0\xB0" "0'0\" S  B: 0\xB0" "0'0\" W \n\r");
}

}  // namespace
