#include "scene/moon_alpha.h"

#include <gtest/gtest.h>

#include <vector>

TEST(LimbMask, FullTextureIsOpaqueAtLobeCentreAndSoftAtItsEdge) {
    const int w = 2048, h = 1024;
    std::vector<unsigned char> alpha(w * h);
    MakeLimbMask(alpha.data(), w, h);
    auto at = [&](int row, int column) { return alpha[row * w + column]; };
    EXPECT_EQ(255, at(512, 512));
    EXPECT_EQ(255, at(512, 1536));  // the second lobe
    EXPECT_EQ(63, at(512, 0));
    EXPECT_EQ(63, at(512, 1024));
    EXPECT_EQ(0, at(0, 0));         // corner: far outside the disc
    EXPECT_EQ(0, at(1023, 1023));
}

TEST(LimbMask, AlphaFallsMonotonicallyFromCentreToEdgeAlongTheMiddleRow) {
    const int w = 256, h = 128;
    std::vector<unsigned char> alpha(w * h);
    MakeLimbMask(alpha.data(), w, h);
    for (int c = 1; c <= 64; ++c) EXPECT_LE(alpha[64 * w + c - 1], alpha[64 * w + c]) << c;
    EXPECT_EQ(255, alpha[64 * w + 64]);
}

TEST(LimbMask, TallPictureLeavesRowsBeyondTheLobeTransparent) {
    const int w = 8, h = 16;  // H/2 > W/4: the square root of a negative gives alpha 0
    std::vector<unsigned char> alpha(w * h, 7);
    MakeLimbMask(alpha.data(), w, h);
    for (int c = 0; c < w; ++c) {
        EXPECT_EQ(0, alpha[0 * w + c]);
        EXPECT_EQ(0, alpha[15 * w + c]);
    }
}

TEST(RimBand, ShippedSizeHasANarrowBandPeakingAt39) {
    const int width = 256, rows = 128;
    std::vector<unsigned char> alpha(width * rows);
    MakeRimBand(alpha.data(), width, rows);
    int peak = 0, nonZeroRows = 0;
    for (int i = 0; i < rows; ++i) {
        for (int c = 1; c < width; ++c) ASSERT_EQ(alpha[i * width], alpha[i * width + c]);
        peak = std::max<int>(peak, alpha[i * width]);
        if (alpha[i * width] != 0) ++nonZeroRows;
    }
    EXPECT_EQ(39, peak);
    EXPECT_EQ(0, alpha[64 * width]);   // the centre row itself
    EXPECT_EQ(39, alpha[54 * width]);  // |i - 64| = 10: x = 0.156
    EXPECT_EQ(0, alpha[53 * width]);   // x = 0.172: outside the band
    EXPECT_EQ(20, nonZeroRows);
}

TEST(GlowBand, RunsDownFrom16ToZeroAndBackUp) {
    const int width = 32, rows = 16;
    std::vector<unsigned char> alpha(width * rows);
    MakeGlowBand(alpha.data(), width, rows);
    const int expected[rows] = {16, 14, 12, 10, 8, 6, 4, 2, 0, 2, 4, 6, 8, 10, 12, 14};
    for (int i = 0; i < rows; ++i) {
        EXPECT_EQ(expected[i], alpha[i * width]) << i;
        EXPECT_EQ(expected[i], alpha[i * width + width - 1]) << i;
    }
}
