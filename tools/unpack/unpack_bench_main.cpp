// selenarium-unpack-bench PACK [REPEATS] [--decoded FILE]
// Times DecodePicturePayload on a packed picture (in-process, median of REPEATS) and
// prints the figures as "name: value" lines; optionally saves the decoded bytes.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "unpacker/unpack_picture.h"

namespace {

bool ReadAll(const char* path, std::vector<unsigned char>* bytes) {
    std::FILE* f = std::fopen(path, "rb");
    if (!f) return false;
    unsigned char chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof(chunk), f)) > 0) bytes->insert(bytes->end(), chunk, chunk + got);
    std::fclose(f);
    return true;
}

long PeakKb() {
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
    const char* packPath = nullptr;
    const char* decodedPath = nullptr;
    int repeats = 9;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--decoded") == 0 && i + 1 < argc) decodedPath = argv[++i];
        else if (!packPath) packPath = argv[i];
        else repeats = std::max(1, std::atoi(argv[i]));
    }
    std::vector<unsigned char> file;
    if (!packPath || !ReadAll(packPath, &file) || file.size() <= kPictureHeaderSize) {
        std::fprintf(stderr, "usage: selenarium-unpack-bench PACK [REPEATS] [--decoded FILE]\n");
        return 1;
    }
    PictureInfoHeader info;
    ParseInfoHeader(file.data() + kBitmapFileHeaderSize, &info);
    const long capacity = 2L * info.width * info.height;
    const long length = static_cast<long>(file.size()) - kPictureHeaderSize;
    std::vector<unsigned char> buffer(static_cast<size_t>(capacity));
    const long before = PeakKb();
    std::vector<double> ms;
    long decoded = 0;
    for (int r = 0; r < repeats; ++r) {
        std::memcpy(buffer.data(), file.data() + kPictureHeaderSize, static_cast<size_t>(length));
        auto start = std::chrono::steady_clock::now();
        decoded = DecodePicturePayload(buffer.data(), length, capacity, nullptr);
        auto end = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        if (decoded < 0) {
            std::fprintf(stderr, "selenarium-unpack-bench: %s does not decode\n", packPath);
            return 1;
        }
    }
    std::sort(ms.begin(), ms.end());
    const double median = ms[ms.size() / 2];
    std::printf("decoded bytes: %ld\n", decoded);
    std::printf("decode time (median of %d): %.2f ms\n", repeats, median);
    std::printf("decode speed: %.1f MB/s\n", decoded / 1e6 / (median / 1000));
    std::printf("decoder peak memory added: %.1f MB\n", (PeakKb() - before) / 1024.0);
    if (decodedPath) {
        std::FILE* f = std::fopen(decodedPath, "wb");
        if (!f || std::fwrite(buffer.data(), 1, static_cast<size_t>(decoded), f) != static_cast<size_t>(decoded)) return 1;
        std::fclose(f);
    }
    return 0;
}
