#include "art_files.h"

#include <cmath>
#include <fstream>

namespace {

void Put16(std::vector<unsigned char>& out, unsigned value) {
  out.push_back(value & 0xFF);
  out.push_back((value >> 8) & 0xFF);
}

void Put32(std::vector<unsigned char>& out, unsigned long value) {
  Put16(out, value & 0xFFFF);
  Put16(out, (value >> 16) & 0xFFFF);
}

int RowBytes24(int width) { return (width * 3 + 3) & ~3; }
int MaskRowBytes(int width) { return (width + 31) / 32 * 4; }

void PutInfoHeader(std::vector<unsigned char>& out, int width, int height, unsigned long imageSize,
                   unsigned long pixelsPerMetre) {
  Put32(out, 40);
  Put32(out, static_cast<unsigned long>(width));
  Put32(out, static_cast<unsigned long>(height));
  Put16(out, 1);   // planes
  Put16(out, 24);  // bits per pixel
  Put32(out, 0);   // no compression
  Put32(out, imageSize);
  Put32(out, pixelsPerMetre);
  Put32(out, pixelsPerMetre);
  Put32(out, 0);
  Put32(out, 0);
}

// Rows bottom-up, blue-green-red, each padded to four bytes.
void PutPixels24(std::vector<unsigned char>& out, const ArtImage& image, bool onBlack) {
  int padding = RowBytes24(image.size) - image.size * 3;
  for (int row = image.size - 1; row >= 0; --row) {
    for (int column = 0; column < image.size; ++column) {
      const ArtPixel& p = image.pixels[static_cast<size_t>(row) * image.size + column];
      double weight = onBlack ? p.coverage : (p.coverage >= 0.5 ? 1.0 : 0.0);
      out.push_back(static_cast<unsigned char>(std::lround(p.blue * weight)));
      out.push_back(static_cast<unsigned char>(std::lround(p.green * weight)));
      out.push_back(static_cast<unsigned char>(std::lround(p.red * weight)));
    }
    out.insert(out.end(), padding, 0);
  }
}

void PutMask(std::vector<unsigned char>& out, const ArtImage& image) {
  for (int row = image.size - 1; row >= 0; --row) {
    std::vector<unsigned char> bits(MaskRowBytes(image.size), 0);
    for (int column = 0; column < image.size; ++column) {
      if (image.pixels[static_cast<size_t>(row) * image.size + column].coverage < 0.5) {
        bits[column / 8] |= 0x80 >> (column % 8);
      }
    }
    out.insert(out.end(), bits.begin(), bits.end());
  }
}

}  // namespace

std::vector<unsigned char> IconFileBytes(const std::vector<ArtImage>& images) {
  std::vector<unsigned char> out;
  Put16(out, 0);
  Put16(out, 1);  // icon
  Put16(out, static_cast<unsigned>(images.size()));
  unsigned long offset = 6 + 16 * images.size();
  for (const ArtImage& image : images) {
    unsigned long size = 40 + static_cast<unsigned long>(RowBytes24(image.size) + MaskRowBytes(image.size)) * image.size;
    out.push_back(static_cast<unsigned char>(image.size));
    out.push_back(static_cast<unsigned char>(image.size));
    out.push_back(0);  // no palette
    out.push_back(0);
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, size);
    Put32(out, offset);
    offset += size;
  }
  for (const ArtImage& image : images) {
    unsigned long pixelBytes = static_cast<unsigned long>(RowBytes24(image.size) + MaskRowBytes(image.size)) * image.size;
    // An icon image's height counts the colour rows and the mask rows.
    PutInfoHeader(out, image.size, image.size * 2, pixelBytes, 0);
    PutPixels24(out, image, false);
    PutMask(out, image);
  }
  return out;
}

std::vector<unsigned char> Bitmap24Bytes(const ArtImage& image) {
  unsigned long pixelBytes = static_cast<unsigned long>(RowBytes24(image.size)) * image.size;
  std::vector<unsigned char> out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, 54 + pixelBytes);
  Put32(out, 0);
  Put32(out, 54);
  PutInfoHeader(out, image.size, image.size, pixelBytes, 2834);
  PutPixels24(out, image, true);
  return out;
}

bool WriteFileBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}
