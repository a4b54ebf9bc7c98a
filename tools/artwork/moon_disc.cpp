#include "moon_disc.h"

#include <algorithm>
#include <cmath>

namespace {

const double kPi = 3.14159265358979323846;

// How bright the surface at normal (x, y, z) is under the Sun: a soft terminator with a
// faint earthshine on the night side.
double Daylight(double x, double z, double sunAngle) {
  double sunX = std::sin(sunAngle * kPi / 180), sunZ = std::cos(sunAngle * kPi / 180);
  double cosine = x * sunX + z * sunZ;
  double day = std::clamp((cosine + 0.04) / 0.12, 0.0, 1.0);
  return 0.1 + 0.9 * day;
}

// Stretches the map's grey levels so the maria stay dark and the highlands bright at
// icon size.
double Contrast(double grey) { return std::clamp((grey - 40.0) * 1.25, 0.0, 255.0); }

}  // namespace

ArtImage RenderMoonDisc(const GreyMap& map, int size, const MoonDiscLook& look) {
  ArtImage image;
  image.size = size;
  image.pixels.resize(static_cast<size_t>(size) * size);
  const int n = look.samples;
  for (int py = 0; py < size; ++py) {
    for (int px = 0; px < size; ++px) {
      double sum = 0;
      int inside = 0;
      for (int sy = 0; sy < n; ++sy) {
        for (int sx = 0; sx < n; ++sx) {
          double x = ((px + (sx + 0.5) / n) / size * 2 - 1) / look.radius;
          double y = (1 - (py + (sy + 0.5) / n) / size * 2) / look.radius;
          double rr = x * x + y * y;
          if (rr > 1) continue;
          double z = std::sqrt(1 - rr);
          double latitude = std::asin(y) * 180 / kPi;
          double longitude = std::atan2(x, z) * 180 / kPi;
          double column = (longitude + 90) / 180 * map.width - 0.5;
          double row = (90 - latitude) / 180 * map.height - 0.5;
          sum += Contrast(SampleGreyMap(map, column, row)) * Daylight(x, z, look.sunAngle);
          ++inside;
        }
      }
      ArtPixel& pixel = image.pixels[static_cast<size_t>(py) * size + px];
      pixel.coverage = static_cast<double>(inside) / (n * n);
      if (inside == 0) continue;
      double grey = sum / inside;
      // A faint warm tint, as the Moon looks low in the sky.
      pixel.red = static_cast<unsigned char>(std::lround(std::min(255.0, grey)));
      pixel.green = static_cast<unsigned char>(std::lround(std::min(255.0, grey * 0.97)));
      pixel.blue = static_cast<unsigned char>(std::lround(std::min(255.0, grey * 0.90)));
    }
  }
  return image;
}
