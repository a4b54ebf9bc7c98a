// Files the packer reads and writes: the source PGM, the packed picture and the
// low-resolution texture.
#ifndef SELENARIUM_TOOLS_PACKER_PACK_FILES_H
#define SELENARIUM_TOOLS_PACKER_PACK_FILES_H

#include <cstdint>
#include <string>
#include <vector>

struct GreyPicture {
    int width = 0, height = 0;
    std::vector<uint8_t> pixels;   // rows top to bottom, as the PGM stores them
};

// Binary PGM ("P5", maxval 255); false with a message in *error otherwise.
bool ReadPgm(const std::string& path, GreyPicture* picture, std::string* error);

// The 54 header bytes of a packed W x H picture.
std::vector<uint8_t> PackedPictureHeader(int width, int height);

// The stored picture: the negative of the source, rows bottom-up.
std::vector<double> NegativeBottomUp(const GreyPicture& picture);

// The low-resolution texture: the positive face shrunk to (W/8) x (H/8) by averaging,
// widened to twice its width with 255, 8-bit with a grey-ramp colour table, bottom-up.
std::vector<uint8_t> LowResolutionTexture(const GreyPicture& picture);

bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);
bool ReadFileBytes(const std::string& path, std::vector<uint8_t>* bytes);

#endif
