// Renders the Moon's near side as a lit disc from an equirectangular map of it
// (longitude -90 ... +90 left to right, latitude +90 ... -90 top to bottom).
#ifndef SELENARIUM_ARTWORK_MOON_DISC_H
#define SELENARIUM_ARTWORK_MOON_DISC_H

#include <vector>

#include "grey_map.h"

struct ArtPixel {
  unsigned char red = 0, green = 0, blue = 0;
  double coverage = 0;  // share of the pixel inside the disc, 0 ... 1
};

struct ArtImage {
  int size = 0;                 // square, size x size
  std::vector<ArtPixel> pixels; // row 0 at the top
};

struct MoonDiscLook {
  double radius = 0.95;       // disc radius as a share of half the image size
  double sunAngle = 0;        // degrees from the viewer towards the right limb; 0 is full
  int samples = 4;            // sub-samples per pixel side, for smooth edges
};

ArtImage RenderMoonDisc(const GreyMap& map, int size, const MoonDiscLook& look);

#endif
