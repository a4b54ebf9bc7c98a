#include "scene/star_motion.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

int counter = 0;
int Counting() { return counter++; }  // 0, 1, 2, ... : each draw is known

StarField MakeField() {
    counter = 0;
    StarField field{};
    FillStarField(&field, Counting);
    return field;
}

}  // namespace

TEST(StarField, StarsTakeTheirValuesFromTheDrawsInOrder) {
    StarField field = MakeField();
    const StarEntry& first = field.stars[0];  // draws 0..5
    EXPECT_DOUBLE_EQ(0.0, first.x);
    EXPECT_DOUBLE_EQ(1 * 0.1, first.y);
    EXPECT_DOUBLE_EQ(2 * 0.0008 + 0.2, first.size);
    EXPECT_DOUBLE_EQ(3 * 0.0004, first.baseBrightness);
    EXPECT_DOUBLE_EQ(4 * 0.01, first.phase);
    EXPECT_DOUBLE_EQ(1.0, first.brightness);
    EXPECT_DOUBLE_EQ(5 % 4 * 45.0 - 90.0, first.angle);
    const StarEntry& second = field.stars[1];  // draws 6..11
    EXPECT_DOUBLE_EQ(6 * 0.125, second.x);
    EXPECT_DOUBLE_EQ(11 % 4 * 45.0 - 90.0, second.angle);
    EXPECT_EQ(600, counter);
    EXPECT_DOUBLE_EQ(20.0, field.stars[StarCount].x);
    EXPECT_DOUBLE_EQ(30.0, field.stars[StarCount].y);
    EXPECT_DOUBLE_EQ(-0.2, field.twinkleTime);
    EXPECT_TRUE(field.flarePlaced);
}

TEST(StarField, TwinkleSwingsBetweenBaseAndOne) {
    double low = 2, high = -1;
    for (int tick = 0; tick < 60; ++tick) {
        const double b = TwinkleBrightness(0.3, 1.5, -0.2 + 0.015 * tick);
        low = std::min(low, b);
        high = std::max(high, b);
    }
    EXPECT_NEAR(0.3, low, 0.01);
    EXPECT_NEAR(1.0, high, 0.01);
    EXPECT_DOUBLE_EQ(1.0, TwinkleBrightness(0.3, 0.0, 0.0));
    EXPECT_NEAR(0.3, TwinkleBrightness(0.3, 0.0, 0.2), 1e-6);  // half a period later
}

TEST(StarField, FlareStaysDarkUntilTheClockReachesZeroThenFlashesAndMoves) {
    StarField field = MakeField();
    int ticks = 0;
    while (field.twinkleTime + 0.015 < -1e-9) {
        AdvanceStarField(&field, Counting);
        ++ticks;
        ASSERT_DOUBLE_EQ(0.0, field.flareSize);
        ASSERT_TRUE(field.flarePlaced);
    }
    EXPECT_EQ(13, ticks);
    double peak = 0;
    int flashTicks = 0;
    while (AdvanceStarField(&field, Counting), !field.flarePlaced) {
        ++flashTicks;
        peak = std::max(peak, field.flareSize);
        EXPECT_LE(field.flareAlpha, 1.0);
        EXPECT_DOUBLE_EQ(20.0, field.stars[StarCount].x);  // moves only after the flash
    }
    EXPECT_NEAR(134, flashTicks, 1);
    EXPECT_NEAR(12.0, peak, 0.01);
    EXPECT_LT(field.flareSize, 0.05);  // the flash's last step leaves it nearly 0
    EXPECT_EQ(600 + 2, counter);       // one new place: two draws
    EXPECT_DOUBLE_EQ((600 % 1000) * 0.125, field.stars[StarCount].x);
    EXPECT_DOUBLE_EQ((601 % 1000) * 0.1, field.stars[StarCount].y);
    EXPECT_DOUBLE_EQ(0.0, field.stars[0].x);  // the first star stays where it was
}

TEST(StarField, FlashBoundsCountAsFlashing) {
    StarField field = MakeField();
    field.flarePlaced = true;
    field.twinkleTime = 2.0 - 0.015;  // the step lands on c = 2 exactly enough
    AdvanceStarField(&field, Counting);
    EXPECT_FALSE(field.flarePlaced);
    EXPECT_NEAR(0.0, field.flareSize, 1e-9);
    EXPECT_NEAR(0.0, field.flareAlpha, 1e-9);
}
