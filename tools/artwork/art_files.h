// Windows icon (.ico) and 24-bit bitmap (.bmp) files of rendered artwork.
#ifndef SELENARIUM_ARTWORK_ART_FILES_H
#define SELENARIUM_ARTWORK_ART_FILES_H

#include <string>
#include <vector>

#include "moon_disc.h"

// An icon with one 24-bit image per entry; pixels less than half inside the disc are
// transparent (AND mask set, colour black).
std::vector<unsigned char> IconFileBytes(const std::vector<ArtImage>& images);

// A 24-bit bottom-up bitmap of the image laid over a black sky.
std::vector<unsigned char> Bitmap24Bytes(const ArtImage& image);

bool WriteFileBytes(const std::string& path, const std::vector<unsigned char>& bytes);

#endif
