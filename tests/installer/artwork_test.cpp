// The icon and bitmap files drawn from a Moon map.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "art_files.h"
#include "grey_map.h"
#include "moon_disc.h"

namespace {

unsigned Read16(const std::vector<unsigned char>& b, size_t at) { return b[at] | b[at + 1] << 8; }
unsigned long Read32(const std::vector<unsigned char>& b, size_t at) {
  return Read16(b, at) | static_cast<unsigned long>(Read16(b, at + 2)) << 16;
}

// A bright map with a dark band in the far north, enough to tell the disc from the sky.
GreyMap TestMap() {
  GreyMap map;
  map.width = 64;
  map.height = 32;
  map.pixels.assign(64 * 32, 220);
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 64; ++c) map.pixels[r * 64 + c] = 60;
  return map;
}

std::string WriteTemp(const std::string& name, const std::string& bytes) {
  std::string path = ::testing::TempDir() + name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

TEST(GreyMap, ReadsBinaryPgmWithComments) {
  std::string pixels = {'\x01', '\x02', '\x03', '\x04', '\x05', '\x06'};
  GreyMap map;
  ASSERT_TRUE(ReadGreyMap(WriteTemp("ok.pgm", "P5\n# made by hand\n3 2\n255\n" + pixels), map));
  EXPECT_EQ(map.width, 3);
  EXPECT_EQ(map.height, 2);
  EXPECT_EQ(map.pixels, (std::vector<unsigned char>{1, 2, 3, 4, 5, 6}));
  EXPECT_DOUBLE_EQ(SampleGreyMap(map, 0.5, 0.5), (1 + 2 + 4 + 5) / 4.0);
  EXPECT_DOUBLE_EQ(SampleGreyMap(map, -5, 9), 4);  // clamped to the bottom-left pixel
}

TEST(GreyMap, RejectsOtherFiles) {
  const std::string cases[] = {
      "P2\n3 2\n255\n1 2 3 4 5 6\n",  // text PGM
      "P5\n3 2\n65535\n",             // 16-bit
      "P5\n3 2\n255\n\x01\x02",       // cut short
      "P5\n0 2\n255\n",               // no width
  };
  int i = 0;
  for (const std::string& bytes : cases) {
    GreyMap map;
    EXPECT_FALSE(ReadGreyMap(WriteTemp("bad" + std::to_string(i++) + ".pgm", bytes), map)) << i;
  }
  GreyMap map;
  EXPECT_FALSE(ReadGreyMap(::testing::TempDir() + "missing.pgm", map));
}

TEST(Artwork, IconHoldsA32AndA16ImageWithTransparentCorners) {
  MoonDiscLook look;
  std::vector<unsigned char> ico =
      IconFileBytes({RenderMoonDisc(TestMap(), 32, look), RenderMoonDisc(TestMap(), 16, look)});
  ASSERT_GE(ico.size(), 6u + 32);
  EXPECT_EQ(Read16(ico, 0), 0u);
  EXPECT_EQ(Read16(ico, 2), 1u);  // icon
  ASSERT_EQ(Read16(ico, 4), 2u);
  const int sizes[] = {32, 16};
  for (int i = 0; i < 2; ++i) {
    size_t entry = 6 + 16 * i;
    int n = sizes[i];
    EXPECT_EQ(ico[entry], n);
    EXPECT_EQ(ico[entry + 1], n);
    EXPECT_EQ(Read16(ico, entry + 6), 24u);
    unsigned long bytes = Read32(ico, entry + 8), offset = Read32(ico, entry + 12);
    int row = (n * 3 + 3) & ~3, maskRow = (n + 31) / 32 * 4;
    ASSERT_EQ(bytes, 40ul + static_cast<unsigned long>(row + maskRow) * n);
    ASSERT_LE(offset + bytes, ico.size());
    EXPECT_EQ(Read32(ico, offset + 4), static_cast<unsigned long>(n));
    EXPECT_EQ(Read32(ico, offset + 8), static_cast<unsigned long>(2 * n));  // colour + mask rows
    size_t mask = offset + 40 + row * n;
    // The bottom-left corner is sky (mask bit set, colour black); the centre is the Moon.
    EXPECT_TRUE(ico[mask] & 0x80);
    EXPECT_EQ(ico[offset + 40], 0);
    size_t centre = offset + 40 + (n / 2) * row + (n / 2) * 3;
    EXPECT_GT(ico[centre + 2], 100);
    EXPECT_FALSE(ico[mask + (n / 2) * maskRow + (n / 2) / 8] & (0x80 >> ((n / 2) % 8)));
  }
  EXPECT_EQ(static_cast<size_t>(Read32(ico, 6 + 16 + 12) + Read32(ico, 6 + 16 + 8)), ico.size());
}

TEST(Artwork, BitmapIs24BitOverBlackSky) {
  MoonDiscLook look;
  look.radius = 0.9;
  std::vector<unsigned char> bmp = Bitmap24Bytes(RenderMoonDisc(TestMap(), 90, look));
  ASSERT_EQ(bmp.size(), 54u + 272u * 90u);  // rows padded to 272 bytes
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  EXPECT_EQ(Read32(bmp, 2), bmp.size());
  EXPECT_EQ(Read32(bmp, 10), 54u);
  EXPECT_EQ(Read32(bmp, 18), 90u);
  EXPECT_EQ(Read32(bmp, 22), 90u);
  EXPECT_EQ(Read16(bmp, 28), 24u);
  EXPECT_EQ(bmp[54], 0);                        // corner: sky
  EXPECT_GT(bmp[54 + 45 * 272 + 45 * 3], 100);  // centre: Moon
}

TEST(Artwork, SunAngleDarkensTheFarLimbOnly) {
  MoonDiscLook full, waxing;
  waxing.sunAngle = 90;  // lit from the right
  ArtImage a = RenderMoonDisc(TestMap(), 32, full), b = RenderMoonDisc(TestMap(), 32, waxing);
  const ArtPixel& leftFull = a.pixels[8 * 32 + 6];
  const ArtPixel& leftWaxing = b.pixels[8 * 32 + 6];
  const ArtPixel& rightWaxing = b.pixels[8 * 32 + 25];
  EXPECT_LT(leftWaxing.red, leftFull.red / 2);
  EXPECT_GT(rightWaxing.red, 100);
}

TEST(Artwork, SameMapSameFiles) {
  MoonDiscLook look;
  EXPECT_EQ(Bitmap24Bytes(RenderMoonDisc(TestMap(), 90, look)),
            Bitmap24Bytes(RenderMoonDisc(TestMap(), 90, look)));
}

}  // namespace
