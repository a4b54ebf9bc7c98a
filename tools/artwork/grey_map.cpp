#include "grey_map.h"

#include <cmath>
#include <fstream>
#include <iterator>

namespace {

// Reads the next header number, skipping blanks and "#" comment lines.
bool ReadHeaderNumber(std::istream& in, int& value) {
  int c = in.get();
  while (c != EOF) {
    if (c == '#') {
      while (c != EOF && c != '\n') c = in.get();
    } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      c = in.get();
    } else {
      break;
    }
  }
  if (c < '0' || c > '9') return false;
  value = 0;
  while (c >= '0' && c <= '9') {
    value = value * 10 + (c - '0');
    if (value > 1000000) return false;
    c = in.get();
  }
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';  // one blank ends the header
}

}  // namespace

bool ReadGreyMap(const std::string& path, GreyMap& map) {
  std::ifstream in(path, std::ios::binary);
  if (!in || in.get() != 'P' || in.get() != '5') return false;
  int width, height, maximum;
  if (!ReadHeaderNumber(in, width) || !ReadHeaderNumber(in, height) ||
      !ReadHeaderNumber(in, maximum)) {
    return false;
  }
  if (width <= 0 || height <= 0 || maximum != 255) return false;
  map.width = width;
  map.height = height;
  map.pixels.assign(static_cast<size_t>(width) * height, 0);
  in.read(reinterpret_cast<char*>(map.pixels.data()), static_cast<std::streamsize>(map.pixels.size()));
  return static_cast<size_t>(in.gcount()) == map.pixels.size();
}

double SampleGreyMap(const GreyMap& map, double column, double row) {
  auto clampTo = [](double v, double hi) { return v < 0 ? 0 : (v > hi ? hi : v); };
  column = clampTo(column, map.width - 1);
  row = clampTo(row, map.height - 1);
  int c0 = static_cast<int>(std::floor(column));
  int r0 = static_cast<int>(std::floor(row));
  int c1 = c0 + 1 < map.width ? c0 + 1 : c0;
  int r1 = r0 + 1 < map.height ? r0 + 1 : r0;
  double fc = column - c0, fr = row - r0;
  auto at = [&](int c, int r) { return static_cast<double>(map.pixels[static_cast<size_t>(r) * map.width + c]); };
  double top = at(c0, r0) * (1 - fc) + at(c1, r0) * fc;
  double bottom = at(c0, r1) * (1 - fc) + at(c1, r1) * fc;
  return top * (1 - fr) + bottom * fr;
}
