// Unpacking of the packed moon picture: the PPM payload decoder, the rebuild of the
// tiled Haar-transformed picture and the writer of the widened texture bitmap.
// Portable: no operating-system headers. Every function fails cleanly on bad input.
#ifndef SELENARIUM_UNPACKER_UNPACK_PICTURE_H
#define SELENARIUM_UNPACKER_UNPACK_PICTURE_H

#include <cstdint>
#include <cstdio>

enum {
    kBitmapFileHeaderSize = 14,
    kBitmapInfoHeaderSize = 40,
    kPictureHeaderSize = 54,   // file header + information header ahead of the payload
    kPayloadHeaderSize = 9,    // "PPM", check value, decoded length
};

// Width and height above this are refused (the shipped picture is 1024 x 1024).
const int32_t kMaxPictureSide = 8192;

// The 40-byte bitmap information header, field by field (stored little-endian).
struct PictureInfoHeader {
    uint32_t size;
    int32_t width;
    int32_t height;
    uint16_t planes;
    uint16_t bitCount;
    uint32_t compression;
    uint32_t imageSize;
    int32_t xPelsPerMeter;
    int32_t yPelsPerMeter;
    uint32_t colorsUsed;
    uint32_t colorsImportant;
};

void ParseInfoHeader(const unsigned char bytes[kBitmapInfoHeaderSize], PictureInfoHeader* info);
void StoreInfoHeader(const PictureInfoHeader& info, unsigned char bytes[kBitmapInfoHeaderSize]);

// True when W and H are positive multiples of 32 no larger than kMaxPictureSide.
bool PictureSizeSupported(int32_t width, int32_t height);

// Unpacks PACK into the texture file: number of pixel bytes written (2 x W x H), or 0 on
// any failure (then no texture file is left behind). The decoder's report goes to
// `report` (nullptr: none).
long UnpackPicture(const char* packedPath, const char* texturePath, std::FILE* report = stdout);

// 1 and the information header, or 0 when the file cannot be opened or is too short.
int ReadPictureHeader(const char* path, PictureInfoHeader* info);

// Reads everything after the 54 header bytes into buffer: the payload length, or 0 when
// the file cannot be opened, holds nothing after the header or more than `capacity` bytes.
long ReadPackedPayload(const char* path, unsigned char* buffer, long capacity);

// Decodes the payload (`length` bytes at buffer) in place: the decoded length, or -1 when
// length <= 0, the decoded length exceeds `capacity` or 20 x length, or the coded stream is
// damaged or truncated (the buffer may then hold anything).
long DecodePicturePayload(unsigned char* buffer, long length, long capacity,
                          std::FILE* report = stdout);

// Turns the W x H decoded bytes at the start of buffer (2 x W x H bytes) into the 2W x H
// texture pixels. The result of the last inverse step (1), or 0 for an unsupported size
// or when memory runs out (buffer unchanged).
int RebuildPicture(unsigned char* buffer, int32_t width, int32_t height);

// One inverse Haar step on the w x h region at the top-left of image: 1, or -1 when
// w x h < 4 (image unchanged) or 0 when memory runs out.
int InverseHaarStep(unsigned char* image, int32_t stride, int32_t w, int32_t h);

// Writes the texture: the packed file's headers with width, height and pixel offset set,
// then byteCount pixel bytes. byteCount, or 0 when a file cannot be opened, the packed
// headers cannot be read or a write fails (a partial texture is removed).
long WriteTexture(const char* packedPath, const char* texturePath, const unsigned char* pixels,
                  int32_t width, int32_t height, long byteCount);

#endif
