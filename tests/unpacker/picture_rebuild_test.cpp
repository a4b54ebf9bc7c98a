// The rebuild: one inverse step, the step sequence against the packer's forward
// transform, and the widened layout.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "picture_transform.h"
#include "unpacker/unpack_picture.h"

namespace {

TEST(InverseHaarStep, RegionsBelowFourPixelsAreRefusedAndLeftAlone) {
    const int sizes[][2] = {{1, 1}, {1, 3}, {3, 1}, {0, 8}, {8, 0}};
    for (const auto& s : sizes) {
        std::vector<uint8_t> image(64, 77);
        image[0] = 200;
        EXPECT_EQ(InverseHaarStep(image.data(), 8, s[0], s[1]), -1) << s[0] << "x" << s[1];
        EXPECT_EQ(image[0], 200);
        EXPECT_EQ(image[9], 77);
    }
}

TEST(InverseHaarStep, CombinesAverageAndDifferencesWithoutDivisionAndClamps) {
    struct Case {
        int a, b, c, d;                    // stored: average, three details (offset 128)
        int q00, q10, q01, q11;            // rebuilt: row 0 col 0, row 1 col 0, row 0 col 1, row 1 col 1
    } cases[] = {
        {100, 138, 133, 129, 116, 104, 94, 86},
        {250, 140, 140, 140, 255, 238, 238, 238},   // 286 clamps to 255
        {5, 118, 128, 128, 0, 0, 15, 15},           // -5 clamps to 0
    };
    for (const Case& k : cases) {
        // A 2 x 2 region: [A C; B D] as rows, stride 2.
        uint8_t image[4] = {static_cast<uint8_t>(k.a), static_cast<uint8_t>(k.c),
                            static_cast<uint8_t>(k.b), static_cast<uint8_t>(k.d)};
        ASSERT_EQ(InverseHaarStep(image, 2, 2, 2), 1);
        EXPECT_EQ(image[0], k.q00);
        EXPECT_EQ(image[2], k.q10);
        EXPECT_EQ(image[1], k.q01);
        EXPECT_EQ(image[3], k.q11);
    }
}

TEST(InverseHaarStep, WorksInsideALargerImageAndLeavesTheRestAlone) {
    std::vector<uint8_t> image(16 * 4, 9);
    image[0] = 50;
    image[1] = 128;   // C
    image[16] = 128;  // B
    image[17] = 128;  // D
    ASSERT_EQ(InverseHaarStep(image.data(), 16, 2, 2), 1);
    EXPECT_EQ(image[0], 50);
    EXPECT_EQ(image[1], 50);
    EXPECT_EQ(image[16], 50);
    EXPECT_EQ(image[17], 50);
    EXPECT_EQ(image[2], 9);
    EXPECT_EQ(image[18], 9);
    EXPECT_EQ(image[32], 9);
}

double Psnr(const std::vector<uint8_t>& texture, const std::vector<double>& picture, int w, int h) {
    double sse = 0;
    for (int r = 0; r < h; ++r)
        for (int c = 0; c < w; ++c) {
            const double d = texture[static_cast<size_t>(r) * 2 * w + c] - picture[static_cast<size_t>(r) * w + c];
            sse += d * d;
        }
    return 10 * std::log10(255.0 * 255.0 * w * h / (sse > 0 ? sse : 1e-9));
}

TEST(RebuildPicture, UndoesTheForwardTransformAndWidensWith255) {
    const int w = 128, h = 64;
    std::vector<double> picture(static_cast<size_t>(w) * h);
    for (int r = 0; r < h; ++r)
        for (int c = 0; c < w; ++c)
            picture[static_cast<size_t>(r) * w + c] =
                128 + 90 * std::sin(c * 0.07) * std::cos(r * 0.11) + (r * 7 + c * 3) % 11;
    const std::vector<uint8_t> stored = RoundStoredValues(ForwardTransform(picture, w, h));
    std::vector<uint8_t> buffer = TileStoredValues(stored, w, h);
    buffer.resize(static_cast<size_t>(2) * w * h, 0);
    ASSERT_EQ(RebuildPicture(buffer.data(), w, h), 1);
    EXPECT_GT(Psnr(buffer, picture, w, h), 35.0);
    for (int r = 0; r < h; ++r)
        for (int c = w; c < 2 * w; ++c) ASSERT_EQ(buffer[static_cast<size_t>(r) * 2 * w + c], 255);
}

TEST(RebuildPicture, ABlockConstantPictureComesBackExactly) {
    // Constant on 64 x 64 blocks: every exact stored value is an integer.
    const int w = 128, h = 128;
    const int levels[4] = {40, 216, 200, 56};
    std::vector<double> picture(static_cast<size_t>(w) * h);
    for (int r = 0; r < h; ++r)
        for (int c = 0; c < w; ++c) picture[static_cast<size_t>(r) * w + c] = levels[(r / 64) * 2 + c / 64];
    const std::vector<double> exact = ForwardTransform(picture, w, h);
    for (double v : exact) ASSERT_EQ(v, std::floor(v));
    std::vector<uint8_t> buffer = TileStoredValues(RoundStoredValues(exact), w, h);
    buffer.resize(static_cast<size_t>(2) * w * h);
    ASSERT_EQ(RebuildPicture(buffer.data(), w, h), 1);
    for (int r = 0; r < h; ++r)
        for (int c = 0; c < w; ++c)
            ASSERT_EQ(buffer[static_cast<size_t>(r) * 2 * w + c], picture[static_cast<size_t>(r) * w + c])
                << r << "," << c;
}

TEST(RebuildPicture, RefusesSizesTheTilingCannotHold) {
    std::vector<uint8_t> buffer(2 * 96 * 96, 1);
    const int sizes[][2] = {{0, 64}, {64, -32}, {48, 64}, {64, 40}, {kMaxPictureSide + 32, 64}};
    for (const auto& s : sizes) EXPECT_EQ(RebuildPicture(buffer.data(), s[0], s[1]), 0) << s[0] << "x" << s[1];
    EXPECT_EQ(buffer[0], 1);
}

}  // namespace
