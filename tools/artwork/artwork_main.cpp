// selenarium-artwork: makes the programs' icons and the installer's Moon picture from the
// Moon map.
//   selenarium-artwork MAP.pgm icon OUT.ico SUN_ANGLE
//   selenarium-artwork MAP.pgm bitmap OUT.bmp SIZE SUN_ANGLE
// An icon holds a 32 x 32 and a 16 x 16 image; SUN_ANGLE 0 shows the full Moon.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "art_files.h"
#include "grey_map.h"
#include "moon_disc.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: selenarium-artwork MAP.pgm icon OUT.ico SUN_ANGLE\n"
               "       selenarium-artwork MAP.pgm bitmap OUT.bmp SIZE SUN_ANGLE\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) return Usage();
  GreyMap map;
  if (!ReadGreyMap(argv[1], map)) {
    std::fprintf(stderr, "selenarium-artwork: cannot read the Moon map %s\n", argv[1]);
    return 1;
  }
  std::string kind = argv[2];
  std::string output = argv[3];
  std::vector<unsigned char> bytes;
  MoonDiscLook look;
  if (kind == "icon" && argc == 5) {
    look.sunAngle = std::atof(argv[4]);
    look.radius = 0.92;  // a round outline at 32 and 16 pixels, without single-pixel bumps
    bytes = IconFileBytes({RenderMoonDisc(map, 32, look), RenderMoonDisc(map, 16, look)});
  } else if (kind == "bitmap" && argc == 6) {
    int size = std::atoi(argv[4]);
    if (size <= 0 || size > 1024) return Usage();
    look.sunAngle = std::atof(argv[5]);
    look.radius = 0.9;
    bytes = Bitmap24Bytes(RenderMoonDisc(map, size, look));
  } else {
    return Usage();
  }
  if (!WriteFileBytes(output, bytes)) {
    std::fprintf(stderr, "selenarium-artwork: cannot write %s\n", output.c_str());
    return 1;
  }
  return 0;
}
