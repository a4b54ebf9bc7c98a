#include "scene/default_place.h"

#include <gtest/gtest.h>

TEST(DefaultPlace, LongitudeFollowsTheZoneRoundedHalfUpAndClamped) {
    struct { long bias; double longitude; } cases[] = {
        {-330, 90.0},    // UTC+5:30 -> 6 h
        {720, -180.0},   // UTC-12
        {0, 0.0},
        {-180, 45.0},    // UTC+3
        {330, -75.0},    // UTC-5:30 -> -5 h
        {300, -75.0},    // UTC-5
        {-345, 90.0},    // UTC+5:45
        {-315, 75.0},    // UTC+5:15
        {-840, 180.0},   // UTC+14 clamps
        {780, -180.0},   // UTC-13 clamps
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(c.longitude, DefaultLongitudeFromBias(c.bias)) << c.bias;
}

TEST(DefaultPlace, LatitudeByLanguage) {
    EXPECT_DOUBLE_EQ(40.0, DefaultLatitude(false));
    EXPECT_DOUBLE_EQ(55.0, DefaultLatitude(true));
}
