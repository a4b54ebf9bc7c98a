// RebuildPicture and InverseHaarStep: untiling, the inverse Haar sequence and widening.
#include <cstdlib>
#include <cstring>

#include "unpack_picture.h"

namespace {

unsigned char Clamp(int v) {
    return static_cast<unsigned char>(v < 0 ? 0 : (v > 255 ? 255 : v));
}

// The decoded bytes come as 16 x 16 tiles of (W/16) x (H/16), tile row by tile row.
void Untile(const unsigned char* tiled, unsigned char* image, int32_t w, int32_t h) {
    const int32_t tw = w / 16, th = h / 16;
    for (int32_t tr = 0; tr < 16; ++tr) {
        for (int32_t tc = 0; tc < 16; ++tc) {
            for (int32_t r = 0; r < th; ++r) {
                std::memcpy(image + static_cast<size_t>(tr * th + r) * w + tc * tw, tiled, tw);
                tiled += tw;
            }
        }
    }
}

}  // namespace

bool PictureSizeSupported(int32_t width, int32_t height) {
    return width > 0 && height > 0 && width % 32 == 0 && height % 32 == 0 &&
           width <= kMaxPictureSide && height <= kMaxPictureSide;
}

int InverseHaarStep(unsigned char* image, int32_t stride, int32_t w, int32_t h) {
    if (image == nullptr || w <= 0 || h <= 0 || static_cast<int64_t>(w) * h < 4) return -1;
    unsigned char* q = static_cast<unsigned char*>(std::malloc(static_cast<size_t>(w) * h));
    if (!q) return 0;
    std::memset(q, 128, static_cast<size_t>(w) * h);
    const int32_t hw = w / 2, hh = h / 2;
    for (int32_t k = 0; k < hh; ++k) {
        const unsigned char* top = image + static_cast<size_t>(k) * stride;
        const unsigned char* bottom = image + static_cast<size_t>(hh + k) * stride;
        unsigned char* even = q + static_cast<size_t>(2 * k) * w;
        unsigned char* odd = even + w;
        for (int32_t j = 0; j < hw; ++j) {
            const int a = top[j], b = bottom[j] - 128, c = top[hw + j] - 128, d = bottom[hw + j] - 128;
            even[2 * j] = Clamp(a + b + c + d);
            odd[2 * j] = Clamp(a + b - c - d);
            even[2 * j + 1] = Clamp(a - b + c - d);
            odd[2 * j + 1] = Clamp(a - b - c + d);
        }
    }
    for (int32_t r = 0; r < h; ++r) {
        std::memcpy(image + static_cast<size_t>(r) * stride, q + static_cast<size_t>(r) * w, w);
    }
    std::free(q);
    return 1;
}

int RebuildPicture(unsigned char* buffer, int32_t width, int32_t height) {
    if (buffer == nullptr || !PictureSizeSupported(width, height)) return 0;
    const size_t w = static_cast<size_t>(width), h = static_cast<size_t>(height);
    unsigned char* image = static_cast<unsigned char*>(std::malloc(w * h));
    if (!image) return 0;
    Untile(buffer, image, width, height);
    // Two coarse steps, then the whole picture four times (not a halving pyramid).
    const int32_t sizes[6][2] = {{width / 32, height / 32}, {width / 16, height / 16},
                                 {width, height}, {width, height}, {width, height}, {width, height}};
    int result = 0;
    for (const auto& s : sizes) {
        result = InverseHaarStep(image, width, s[0], s[1]);
        if (result == 0) {
            std::free(image);
            return 0;
        }
    }
    for (size_t r = 0; r < h; ++r) {
        std::memcpy(buffer + r * 2 * w, image + r * w, w);
        std::memset(buffer + r * 2 * w + w, 255, w);
    }
    std::free(image);
    return result;
}
