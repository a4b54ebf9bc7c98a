#include "scene/bmp_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct BmpShape {
    int32_t width = 8;
    int32_t height = 4;
    uint16_t bits = 8;
    uint32_t compression = 0;
    uint32_t offset = 54 + 1024;
    char magic = 'B';
};

void Put32(std::vector<unsigned char>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<unsigned char>(v >> (8 * i));
}

std::vector<unsigned char> MakeBmp(const BmpShape& s, size_t pixelBytes) {
    std::vector<unsigned char> b(std::max<size_t>(s.offset, 54) + pixelBytes, 0);
    b[0] = s.magic;
    b[1] = 'M';
    Put32(b, 2, static_cast<uint32_t>(b.size()));
    Put32(b, 10, s.offset);
    Put32(b, 14, 40);
    Put32(b, 18, static_cast<uint32_t>(s.width));
    Put32(b, 22, static_cast<uint32_t>(s.height));
    b[26] = 1;
    b[28] = static_cast<unsigned char>(s.bits);
    Put32(b, 30, s.compression);
    for (size_t i = 0; i < pixelBytes; ++i) b[s.offset + i] = static_cast<unsigned char>(i);
    return b;
}

class BmpFileTest : public ::testing::Test {
protected:
    std::string path = ::testing::TempDir() + "scene_bmp_test.bmp";
    void TearDown() override { std::remove(path.c_str()); }
    void Write(const std::vector<unsigned char>& bytes) {
        FILE* f = std::fopen(path.c_str(), "wb");
        ASSERT_NE(nullptr, f);
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
};

}  // namespace

TEST_F(BmpFileTest, ReadsTheHeaderAndThePixelsAfterTheColourTable) {
    BmpShape shape;
    Write(MakeBmp(shape, 32));
    BmpInfoHeader info{};
    ASSERT_TRUE(ReadBmpHeader(path.c_str(), &info));
    EXPECT_EQ(8, info.width);
    EXPECT_EQ(4, info.height);
    EXPECT_EQ(8, info.bitCount);
    std::vector<unsigned char> pixels(32, 0xEE);
    ASSERT_EQ(32u, ReadBmpPixels(path.c_str(), pixels.data(), pixels.size()));
    for (int i = 0; i < 32; ++i) EXPECT_EQ(i, pixels[i]);
}

TEST_F(BmpFileTest, TruncatedPixelsGiveTheBytesThatExist) {
    Write(MakeBmp(BmpShape{}, 10));
    BmpInfoHeader info{};
    EXPECT_TRUE(ReadBmpHeader(path.c_str(), &info));
    std::vector<unsigned char> pixels(32, 0);
    EXPECT_EQ(10u, ReadBmpPixels(path.c_str(), pixels.data(), pixels.size()));
}

TEST_F(BmpFileTest, ExtraBytesAfterThePixelsNeverOverrunTheBuffer) {
    Write(MakeBmp(BmpShape{}, 100));
    std::vector<unsigned char> pixels(40, 0xEE);
    EXPECT_EQ(32u, ReadBmpPixels(path.c_str(), pixels.data(), 32));
    for (int i = 32; i < 40; ++i) EXPECT_EQ(0xEE, pixels[i]);
}

TEST_F(BmpFileTest, RejectsBitmapsTheGlobeCannotUse) {
    struct Case { const char* what; BmpShape shape; };
    BmpShape base;
    std::vector<Case> cases;
    auto add = [&](const char* what, auto change) { BmpShape s = base; change(s); cases.push_back({what, s}); };
    add("24 bits", [](BmpShape& s) { s.bits = 24; });
    add("1 bit", [](BmpShape& s) { s.bits = 1; });
    add("top-down rows", [](BmpShape& s) { s.height = -4; });
    add("zero height", [](BmpShape& s) { s.height = 0; });
    add("zero width", [](BmpShape& s) { s.width = 0; });
    add("width not a power of two", [](BmpShape& s) { s.width = 12; });
    add("height not a power of two", [](BmpShape& s) { s.height = 6; });
    add("absurd width", [](BmpShape& s) { s.width = 1 << 30; });
    add("absurd height", [](BmpShape& s) { s.height = 0x7fffffff; });
    add("just above the side limit", [](BmpShape& s) { s.width = 2 * MaxMoonTextureSide; });
    add("run-length compressed", [](BmpShape& s) { s.compression = 1; });
    add("not a bitmap", [](BmpShape& s) { s.magic = 'P'; });
    add("pixels inside the headers", [](BmpShape& s) { s.offset = 20; });
    for (const Case& c : cases) {
        std::vector<unsigned char> bytes = MakeBmp(base, 32);
        std::vector<unsigned char> shaped = MakeBmp(c.shape, 0);
        std::copy(shaped.begin(), shaped.begin() + 54, bytes.begin());
        Write(bytes);
        BmpInfoHeader info{};
        EXPECT_FALSE(ReadBmpHeader(path.c_str(), &info)) << c.what;
    }
}

TEST_F(BmpFileTest, MissingOrShortFilesAreUnreadable) {
    BmpInfoHeader info{};
    unsigned char pixels[8];
    EXPECT_FALSE(ReadBmpHeader(path.c_str(), &info));
    EXPECT_EQ(0u, ReadBmpPixels(path.c_str(), pixels, sizeof pixels));
    EXPECT_FALSE(ReadBmpHeader("null", &info));
    std::vector<unsigned char> bytes = MakeBmp(BmpShape{}, 0);
    bytes.resize(40);  // ends inside the information header
    Write(bytes);
    EXPECT_FALSE(ReadBmpHeader(path.c_str(), &info));
}

TEST_F(BmpFileTest, AcceptsTheShippedSizes) {
    for (auto [w, h] : {std::pair<int, int>{2048, 1024}, {256, 128}, {MaxMoonTextureSide, 4}}) {
        BmpShape s;
        s.width = w;
        s.height = h;
        Write(MakeBmp(s, 0));
        BmpInfoHeader info{};
        EXPECT_TRUE(ReadBmpHeader(path.c_str(), &info)) << w << "x" << h;
    }
}
