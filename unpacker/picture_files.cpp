// The packed file's headers and payload, the texture writer and UnpackPicture.
#include <cstdlib>
#include <cstring>

#include "unpack_picture.h"

namespace {

uint32_t GetLe(const unsigned char* p, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}

void PutLe(unsigned char* p, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}

bool ReadHeaders(std::FILE* f, unsigned char headers[kPictureHeaderSize]) {
    return std::fread(headers, 1, kPictureHeaderSize, f) == static_cast<size_t>(kPictureHeaderSize);
}

}  // namespace

void ParseInfoHeader(const unsigned char b[kBitmapInfoHeaderSize], PictureInfoHeader* info) {
    info->size = GetLe(b, 4);
    info->width = static_cast<int32_t>(GetLe(b + 4, 4));
    info->height = static_cast<int32_t>(GetLe(b + 8, 4));
    info->planes = static_cast<uint16_t>(GetLe(b + 12, 2));
    info->bitCount = static_cast<uint16_t>(GetLe(b + 14, 2));
    info->compression = GetLe(b + 16, 4);
    info->imageSize = GetLe(b + 20, 4);
    info->xPelsPerMeter = static_cast<int32_t>(GetLe(b + 24, 4));
    info->yPelsPerMeter = static_cast<int32_t>(GetLe(b + 28, 4));
    info->colorsUsed = GetLe(b + 32, 4);
    info->colorsImportant = GetLe(b + 36, 4);
}

void StoreInfoHeader(const PictureInfoHeader& info, unsigned char b[kBitmapInfoHeaderSize]) {
    PutLe(b, info.size, 4);
    PutLe(b + 4, static_cast<uint32_t>(info.width), 4);
    PutLe(b + 8, static_cast<uint32_t>(info.height), 4);
    PutLe(b + 12, info.planes, 2);
    PutLe(b + 14, info.bitCount, 2);
    PutLe(b + 16, info.compression, 4);
    PutLe(b + 20, info.imageSize, 4);
    PutLe(b + 24, static_cast<uint32_t>(info.xPelsPerMeter), 4);
    PutLe(b + 28, static_cast<uint32_t>(info.yPelsPerMeter), 4);
    PutLe(b + 32, info.colorsUsed, 4);
    PutLe(b + 36, info.colorsImportant, 4);
}

int ReadPictureHeader(const char* path, PictureInfoHeader* info) {
    std::FILE* f = path ? std::fopen(path, "rb") : nullptr;
    if (!f) return 0;
    unsigned char headers[kPictureHeaderSize];
    bool ok = ReadHeaders(f, headers);
    std::fclose(f);
    if (!ok) return 0;
    ParseInfoHeader(headers + kBitmapFileHeaderSize, info);
    return 1;
}

long ReadPackedPayload(const char* path, unsigned char* buffer, long capacity) {
    std::FILE* f = path ? std::fopen(path, "rb") : nullptr;
    if (!f) return 0;
    unsigned char headers[kPictureHeaderSize];
    long length = 0;
    if (ReadHeaders(f, headers) && capacity > 0) {
        size_t got = std::fread(buffer, 1, static_cast<size_t>(capacity), f);
        // A payload that fills the buffer must also end there.
        if (got == static_cast<size_t>(capacity) && std::fgetc(f) != EOF) got = 0;
        length = static_cast<long>(got);
    }
    std::fclose(f);
    return length;
}

long WriteTexture(const char* packedPath, const char* texturePath, const unsigned char* pixels,
                  int32_t width, int32_t height, long byteCount) {
    if (!packedPath || !texturePath || !pixels || byteCount < 0) return 0;
    std::FILE* in = std::fopen(packedPath, "rb");
    if (!in) return 0;
    unsigned char headers[kPictureHeaderSize];
    bool ok = ReadHeaders(in, headers);
    std::fclose(in);
    if (!ok) return 0;
    std::FILE* out = std::fopen(texturePath, "wb");
    if (!out) return 0;
    PictureInfoHeader info;
    ParseInfoHeader(headers + kBitmapFileHeaderSize, &info);
    if (width > 0) info.width = width;
    if (height > 0) info.height = height;
    StoreInfoHeader(info, headers + kBitmapFileHeaderSize);
    PutLe(headers + 10, kPictureHeaderSize, 4);
    ok = std::fwrite(headers, 1, kPictureHeaderSize, out) == static_cast<size_t>(kPictureHeaderSize) &&
         std::fwrite(pixels, 1, static_cast<size_t>(byteCount), out) == static_cast<size_t>(byteCount);
    ok = (std::fclose(out) == 0) && ok;
    if (!ok) {
        std::remove(texturePath);
        return 0;
    }
    return byteCount;
}

long UnpackPicture(const char* packedPath, const char* texturePath, std::FILE* report) {
    PictureInfoHeader info;
    if (!ReadPictureHeader(packedPath, &info)) return 0;
    if (!PictureSizeSupported(info.width, info.height)) return 0;
    const long w = info.width, h = info.height;
    const long size = 2 * w * h;
    unsigned char* buffer = static_cast<unsigned char*>(std::malloc(static_cast<size_t>(size)));
    if (!buffer) return 0;
    long written = 0;
    long length = ReadPackedPayload(packedPath, buffer, size);
    if (length > 0 && DecodePicturePayload(buffer, length, size, report) >= 0 &&
        RebuildPicture(buffer, info.width, info.height) != 0) {
        written = WriteTexture(packedPath, texturePath, buffer, 2 * info.width, info.height, size);
    }
    std::free(buffer);
    return written;
}
