#include "pack_files.h"

#include <cstdio>

namespace {

void PutLe(std::vector<uint8_t>* out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out->push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// File header and information header of an 8-bit bitmap.
std::vector<uint8_t> BitmapHeaders(int width, int height, uint32_t fileSize, uint32_t pixelOffset,
                                   uint32_t colours) {
    std::vector<uint8_t> h;
    h.push_back('B');
    h.push_back('M');
    PutLe(&h, fileSize, 4);
    PutLe(&h, 0, 4);
    PutLe(&h, pixelOffset, 4);
    PutLe(&h, 40, 4);
    PutLe(&h, static_cast<uint32_t>(width), 4);
    PutLe(&h, static_cast<uint32_t>(height), 4);
    PutLe(&h, 1, 2);
    PutLe(&h, 8, 2);
    PutLe(&h, 0, 4);
    PutLe(&h, static_cast<uint32_t>(width) * static_cast<uint32_t>(height), 4);
    PutLe(&h, 2834, 4);
    PutLe(&h, 2834, 4);
    PutLe(&h, colours, 4);
    PutLe(&h, 0, 4);
    return h;
}

int ReadPgmNumber(std::FILE* f) {
    int c = std::fgetc(f);
    while (c == '#' || c == ' ' || c == '\n' || c == '\r' || c == '\t') {
        if (c == '#') {
            while (c != '\n' && c != EOF) c = std::fgetc(f);
        }
        c = std::fgetc(f);
    }
    int value = -1;
    while (c >= '0' && c <= '9') {
        value = (value < 0 ? 0 : value * 10) + (c - '0');
        if (value > 1000000) return -1;
        c = std::fgetc(f);
    }
    return value;   // the single whitespace after the number has been consumed
}

}  // namespace

bool ReadPgm(const std::string& path, GreyPicture* picture, std::string* error) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        *error = "cannot open " + path;
        return false;
    }
    char magic[2] = {0, 0};
    bool ok = std::fread(magic, 1, 2, f) == 2 && magic[0] == 'P' && magic[1] == '5';
    int w = ok ? ReadPgmNumber(f) : -1, h = ok ? ReadPgmNumber(f) : -1, maxval = ok ? ReadPgmNumber(f) : -1;
    ok = ok && w > 0 && h > 0 && maxval == 255;
    if (ok) {
        picture->width = w;
        picture->height = h;
        picture->pixels.resize(static_cast<size_t>(w) * h);
        ok = std::fread(picture->pixels.data(), 1, picture->pixels.size(), f) == picture->pixels.size();
    }
    std::fclose(f);
    if (!ok) *error = path + " is not an 8-bit binary PGM";
    return ok;
}

std::vector<uint8_t> PackedPictureHeader(int width, int height) {
    const uint32_t pixels = static_cast<uint32_t>(width) * static_cast<uint32_t>(height);
    // The file size counts a 256-entry colour table although the packed file has none.
    return BitmapHeaders(width, height, 54 + 1024 + pixels, 54, 0);
}

std::vector<double> NegativeBottomUp(const GreyPicture& picture) {
    const int w = picture.width, h = picture.height;
    std::vector<double> out(static_cast<size_t>(w) * h);
    for (int r = 0; r < h; ++r)
        for (int c = 0; c < w; ++c)
            out[static_cast<size_t>(r) * w + c] = 255 - picture.pixels[static_cast<size_t>(h - 1 - r) * w + c];
    return out;
}

std::vector<uint8_t> LowResolutionTexture(const GreyPicture& picture) {
    const int fw = picture.width / 8, fh = picture.height / 8;   // the face
    const int w = 2 * fw, h = fh;
    std::vector<uint8_t> bmp = BitmapHeaders(w, h, 54 + 1024 + static_cast<uint32_t>(w * h), 54 + 1024, 256);
    for (int k = 0; k < 256; ++k) {
        bmp.push_back(static_cast<uint8_t>(k));
        bmp.push_back(static_cast<uint8_t>(k));
        bmp.push_back(static_cast<uint8_t>(k));
        bmp.push_back(0);
    }
    for (int r = 0; r < h; ++r) {
        const int srcTop = (h - 1 - r) * 8;   // bottom-up rows
        for (int c = 0; c < fw; ++c) {
            int sum = 0;
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x)
                    sum += picture.pixels[static_cast<size_t>(srcTop + y) * picture.width + c * 8 + x];
            bmp.push_back(static_cast<uint8_t>((sum + 32) / 64));
        }
        for (int c = 0; c < fw; ++c) bmp.push_back(255);
    }
    return bmp;
}

bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fclose(f) == 0 && ok;
    return ok;
}

bool ReadFileBytes(const std::string& path, std::vector<uint8_t>* bytes) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    bytes->clear();
    uint8_t chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof(chunk), f)) > 0) bytes->insert(bytes->end(), chunk, chunk + got);
    std::fclose(f);
    return true;
}
