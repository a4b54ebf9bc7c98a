// An 8-bit grey picture read from a binary PGM file (rows top to bottom).
#ifndef SELENARIUM_ARTWORK_GREY_MAP_H
#define SELENARIUM_ARTWORK_GREY_MAP_H

#include <string>
#include <vector>

struct GreyMap {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> pixels;  // width * height, row 0 at the top
};

// Reads a binary ("P5") PGM with a maximum value of 255; false on any other file.
bool ReadGreyMap(const std::string& path, GreyMap& map);

// Bilinear sample at fractional pixel coordinates (pixel centres at whole numbers),
// clamped at the edges; 0 ... 255.
double SampleGreyMap(const GreyMap& map, double column, double row);

#endif
