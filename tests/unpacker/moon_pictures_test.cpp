// The shipped Moon pictures the build made from the source picture.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "pack_files.h"
#include "picture_packer.h"
#include "unpacker/unpack_picture.h"

namespace {

const std::string kData = SELENARIUM_TEST_DATA_DIR;
const std::string kSource = SELENARIUM_TEST_MOON_SOURCE;

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}
uint16_t Le16(const std::vector<uint8_t>& b, size_t at) { return static_cast<uint16_t>(b[at] | (b[at + 1] << 8)); }

TEST(MoonPictures, PackDecodesWithAMatchingCheckValue) {
    std::vector<uint8_t> pack;
    ASSERT_TRUE(ReadFileBytes(kData + "/moon_1024x1024.pack", &pack));
    EXPECT_EQ(Le32(pack, 2), 1049654u);
    EXPECT_EQ(Le32(pack, 10), 54u);
    EXPECT_EQ(Le32(pack, 18), 1024u);
    EXPECT_EQ(Le32(pack, 22), 1024u);
    EXPECT_EQ(Le32(pack, 34), 1048576u);
    EXPECT_EQ(Le32(pack, 54 + 5), 1048576u);
    std::vector<uint8_t> buffer(pack.begin() + 54, pack.end());
    const long length = static_cast<long>(buffer.size());
    buffer.resize(2 * 1024 * 1024);
    std::FILE* report = std::tmpfile();
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(DecodePicturePayload(buffer.data(), length, static_cast<long>(buffer.size()), report), 1048576);
    std::rewind(report);
    std::string text;
    for (int c; (c = std::fgetc(report)) != EOF;) text.push_back(static_cast<char>(c));
    std::fclose(report);
    EXPECT_NE(text.find("OK\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("ERROR"), std::string::npos) << text;
}

TEST(MoonPictures, RepackingTheSourceReproducesThePackBitForBit) {
    std::vector<uint8_t> pack;
    ASSERT_TRUE(ReadFileBytes(kData + "/moon_1024x1024.pack", &pack));
    GreyPicture picture;
    std::string error;
    ASSERT_TRUE(ReadPgm(kSource, &picture, &error)) << error;
    PackResult result;
    ASSERT_TRUE(PackPicture(picture, ShippedPackOptions(), &result));
    EXPECT_TRUE(result.file == pack);
}

// A 256 x 256 piece of the Moon picture: small enough to pack often, varied enough that
// the packer's choices matter.
GreyPicture MoonCrop() {
    GreyPicture moon;
    std::string error;
    EXPECT_TRUE(ReadPgm(kSource, &moon, &error)) << error;
    GreyPicture crop;
    crop.width = crop.height = 256;
    for (int r = 0; r < 256 && !moon.pixels.empty(); ++r)
        for (int c = 0; c < 256; ++c) crop.pixels.push_back(moon.pixels[(300 + r) * 1024 + 400 + c]);
    return crop;
}

// PSNR of what the unpacker rebuilds from a packed 256 x 256 file against `crop`.
double UnpackedPsnr(const std::vector<uint8_t>& file, const GreyPicture& crop) {
    std::vector<uint8_t> buffer(file.begin() + 54, file.end());
    const long length = static_cast<long>(buffer.size());
    buffer.resize(2 * 256 * 256);
    if (DecodePicturePayload(buffer.data(), length, static_cast<long>(buffer.size()), nullptr) != 65536) return -1;
    if (RebuildPicture(buffer.data(), 256, 256) != 1) return -1;
    double sse = 0;
    for (int r = 0; r < 256; ++r)
        for (int c = 0; c < 256; ++c) {
            const double d = (255 - buffer[r * 512 + c]) - crop.pixels[(255 - r) * 256 + c];
            sse += d * d;
        }
    return 10 * std::log10(255.0 * 255.0 * 65536 / sse);
}

// A larger size weight gives a smaller pack with a little more error, and what the
// unpacker rebuilds from it is exactly what the packer measured.
TEST(MoonPictures, SizeWeightTradesErrorForSize) {
    const GreyPicture crop = MoonCrop();
    ASSERT_EQ(crop.pixels.size(), 65536u);
    const double weights[3] = {0, 0.03, 0.1};
    size_t lastSize = SIZE_MAX;
    double lastPsnr = 1e9;
    for (double weight : weights) {
        PackOptions options;
        options.choice.sizeWeight = weight;
        PackResult result;
        ASSERT_TRUE(PackPicture(crop, options, &result));
        EXPECT_LT(result.file.size(), lastSize) << weight;
        EXPECT_LT(result.psnr, lastPsnr) << weight;
        EXPECT_GT(result.psnr, 34.0) << weight;
        lastSize = result.file.size();
        lastPsnr = result.psnr;
        EXPECT_NEAR(UnpackedPsnr(result.file, crop), result.psnr, 1e-9) << weight;
    }
}

// Pricing the values that follow each choice, and planning them from an earlier pass,
// keep the coder and the unpacker in step (the pricing only peeks at the model) and
// give a smaller pack than choosing each value on its own bits, for little error.
TEST(MoonPictures, LookaheadAndPassesKeepTheUnpackerInStepAndShrinkThePack) {
    const GreyPicture crop = MoonCrop();
    ASSERT_EQ(crop.pixels.size(), 65536u);
    struct Setting {
        int lookahead, passes;
    };
    const Setting settings[] = {{0, 1}, {1, 1}, {5, 1}, {5, 2}, {5, 3}, {9, 2}};
    size_t plainSize = 0;
    double plainPsnr = 0;
    for (const Setting& s : settings) {
        PackOptions options;
        options.choice.sizeWeight = 0.03;
        options.choice.lookahead = s.lookahead;
        options.passes = s.passes;
        PackResult result, again;
        ASSERT_TRUE(PackPicture(crop, options, &result));
        ASSERT_TRUE(PackPicture(crop, options, &again));
        EXPECT_TRUE(result.file == again.file) << s.lookahead << "/" << s.passes;
        EXPECT_NEAR(UnpackedPsnr(result.file, crop), result.psnr, 1e-9) << s.lookahead << "/" << s.passes;
        if (s.lookahead == 0) {
            plainSize = result.file.size();
            plainPsnr = result.psnr;
            continue;
        }
        std::printf("lookahead %d, %d passes: %zu bytes (%zu alone), PSNR %.3f dB (%.3f alone)\n", s.lookahead,
                    s.passes, result.file.size(), plainSize, result.psnr, plainPsnr);
        EXPECT_LT(result.file.size(), plainSize) << s.lookahead << "/" << s.passes;
        EXPECT_GT(result.psnr, plainPsnr - 0.05) << s.lookahead << "/" << s.passes;
    }
}

TEST(MoonPictures, TextureIsTheNegativeFaceWidenedWith255) {
    std::vector<uint8_t> bmp;
    ASSERT_TRUE(ReadFileBytes(kData + "/moon_2048x1024.bmp", &bmp));
    ASSERT_EQ(bmp.size(), 2097206u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(Le32(bmp, 2), 1049654u);   // copied from the packed file
    EXPECT_EQ(Le32(bmp, 6), 0u);
    EXPECT_EQ(Le32(bmp, 10), 54u);
    EXPECT_EQ(Le32(bmp, 14), 40u);
    EXPECT_EQ(Le32(bmp, 18), 2048u);
    EXPECT_EQ(Le32(bmp, 22), 1024u);
    EXPECT_EQ(Le16(bmp, 26), 1);
    EXPECT_EQ(Le16(bmp, 28), 8);
    EXPECT_EQ(Le32(bmp, 30), 0u);
    EXPECT_EQ(Le32(bmp, 34), 1048576u);
    EXPECT_EQ(Le32(bmp, 38), 2834u);
    EXPECT_EQ(Le32(bmp, 42), 2834u);
    EXPECT_EQ(Le32(bmp, 46), 0u);
    EXPECT_EQ(Le32(bmp, 50), 0u);
    GreyPicture picture;
    std::string error;
    ASSERT_TRUE(ReadPgm(kSource, &picture, &error)) << error;
    double sse = 0;
    for (int r = 0; r < 1024; ++r) {
        for (int c = 0; c < 1024; ++c) {
            // Bottom-up rows, grey levels inverted.
            const double d = (255 - bmp[54 + r * 2048 + c]) - picture.pixels[(1023 - r) * 1024 + c];
            sse += d * d;
        }
        for (int c = 1024; c < 2048; ++c) ASSERT_EQ(bmp[54 + r * 2048 + c], 255) << r << "," << c;
    }
    const double psnr = 10 * std::log10(255.0 * 255.0 * 1024 * 1024 / sse);
    EXPECT_GE(psnr, 36.3);
}

TEST(MoonPictures, LowResolutionTextureIsThePositiveFaceWithAGreyRamp) {
    std::vector<uint8_t> bmp;
    ASSERT_TRUE(ReadFileBytes(kData + "/moon_256x128.bmp", &bmp));
    ASSERT_EQ(bmp.size(), 54u + 1024 + 256 * 128);
    EXPECT_EQ(Le32(bmp, 10), 54u + 1024);
    EXPECT_EQ(Le32(bmp, 18), 256u);
    EXPECT_EQ(Le32(bmp, 22), 128u);
    EXPECT_EQ(Le16(bmp, 28), 8);
    for (int k = 0; k < 256; ++k) {
        ASSERT_EQ(bmp[54 + 4 * k], k);
        ASSERT_EQ(bmp[54 + 4 * k + 1], k);
        ASSERT_EQ(bmp[54 + 4 * k + 2], k);
    }
    GreyPicture picture;
    std::string error;
    ASSERT_TRUE(ReadPgm(kSource, &picture, &error)) << error;
    const size_t pixels = 54 + 1024;
    for (int r = 0; r < 128; ++r) {
        for (int c = 128; c < 256; ++c) ASSERT_EQ(bmp[pixels + r * 256 + c], 255);
    }
    // Positive and bottom-up: the bottom-left texel is the average of the source's
    // bottom-left 8 x 8 block.
    int sum = 0;
    for (int y = 1016; y < 1024; ++y)
        for (int x = 0; x < 8; ++x) sum += picture.pixels[y * 1024 + x];
    EXPECT_EQ(bmp[pixels], (sum + 32) / 64);
}

}  // namespace
