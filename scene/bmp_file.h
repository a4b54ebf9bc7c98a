// Reading the grey-level moon bitmaps: the two headers, then the raw pixel bytes.
// Only what the globe can use is accepted, so a damaged or foreign file can neither
// crash the screensaver nor make it allocate without bound.
#ifndef SELENARIUM_SCENE_BMP_FILE_H
#define SELENARIUM_SCENE_BMP_FILE_H

#include <cstddef>
#include <cstdint>

// The 40-byte information header as stored (little-endian) in the file.
struct BmpInfoHeader {
    uint32_t headerSize;
    int32_t width;
    int32_t height;       // positive: rows stored bottom-up
    uint16_t planes;
    uint16_t bitCount;
    uint32_t compression;
    uint32_t imageSize;
    int32_t xPixelsPerMeter;
    int32_t yPixelsPerMeter;
    uint32_t coloursUsed;
    uint32_t coloursImportant;
};

// Largest texture side the loader accepts; the shipped pictures are 2048 x 1024.
const int MaxMoonTextureSide = 4096;

// Reads the 14-byte file header and the 40-byte information header. True only for an
// uncompressed 8-bit bottom-up bitmap ("BM") whose sides are powers of two between 4
// and MaxMoonTextureSide, and whose pixel data starts after the headers.
bool ReadBmpHeader(const char* path, BmpInfoHeader* info);

// Reads the pixel bytes from the file header's pixel data offset to the end of the
// file, at most `capacity` of them. Returns the count, 0 when the file cannot be read.
size_t ReadBmpPixels(const char* path, unsigned char* buffer, size_t capacity);

// The header checks of ReadBmpHeader on bytes already in memory (54 of them).
bool ParseBmpHeaders(const unsigned char* bytes, size_t count, BmpInfoHeader* info,
                     uint32_t* pixelOffset);

#endif
