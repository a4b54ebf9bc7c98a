#include "scene/bmp_file.h"

#include <cstdio>

namespace {

const size_t FileHeaderSize = 14;
const size_t InfoHeaderSize = 40;

uint16_t ReadU16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

uint32_t ReadU32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

bool IsTextureSide(int32_t side) {
    return side >= 4 && side <= MaxMoonTextureSide && (side & (side - 1)) == 0;
}

bool ReadHeaderBytes(const char* path, unsigned char* bytes) {
    if (path == nullptr) return false;
    FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return false;
    const size_t count = std::fread(bytes, 1, FileHeaderSize + InfoHeaderSize, file);
    std::fclose(file);
    return count == FileHeaderSize + InfoHeaderSize;
}

}  // namespace

bool ParseBmpHeaders(const unsigned char* bytes, size_t count, BmpInfoHeader* info,
                     uint32_t* pixelOffset) {
    if (count < FileHeaderSize + InfoHeaderSize || bytes[0] != 'B' || bytes[1] != 'M') return false;
    const unsigned char* p = bytes + FileHeaderSize;
    BmpInfoHeader h;
    h.headerSize = ReadU32(p);
    h.width = static_cast<int32_t>(ReadU32(p + 4));
    h.height = static_cast<int32_t>(ReadU32(p + 8));
    h.planes = ReadU16(p + 12);
    h.bitCount = ReadU16(p + 14);
    h.compression = ReadU32(p + 16);
    h.imageSize = ReadU32(p + 20);
    h.xPixelsPerMeter = static_cast<int32_t>(ReadU32(p + 24));
    h.yPixelsPerMeter = static_cast<int32_t>(ReadU32(p + 28));
    h.coloursUsed = ReadU32(p + 32);
    h.coloursImportant = ReadU32(p + 36);
    const uint32_t offset = ReadU32(bytes + 10);
    if (info != nullptr) *info = h;
    if (pixelOffset != nullptr) *pixelOffset = offset;
    return h.headerSize >= InfoHeaderSize && h.bitCount == 8 && h.compression == 0 &&
           IsTextureSide(h.width) && IsTextureSide(h.height) &&
           offset >= FileHeaderSize + InfoHeaderSize;
}

bool ReadBmpHeader(const char* path, BmpInfoHeader* info) {
    unsigned char bytes[FileHeaderSize + InfoHeaderSize];
    if (!ReadHeaderBytes(path, bytes)) return false;
    return ParseBmpHeaders(bytes, sizeof bytes, info, nullptr);
}

size_t ReadBmpPixels(const char* path, unsigned char* buffer, size_t capacity) {
    if (path == nullptr || buffer == nullptr) return 0;
    FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return 0;
    unsigned char header[FileHeaderSize];
    size_t count = 0;
    if (std::fread(header, 1, sizeof header, file) == sizeof header) {
        const uint32_t offset = ReadU32(header + 10);
        if (offset <= 0x7fffffffu && std::fseek(file, static_cast<long>(offset), SEEK_SET) == 0) {
            count = std::fread(buffer, 1, capacity, file);
        }
    }
    std::fclose(file);
    return count;
}
