// selenarium-pack PICTURE.pgm PACK [--low-res TEXTURE.bmp] [--size-weight X] [--lookahead N] [--passes N]
// Packs a grey PGM picture into the unpacker's packed picture file.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "pack_files.h"
#include "picture_packer.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: selenarium-pack PICTURE.pgm PACK [--low-res TEXTURE.bmp] [--size-weight X]\n"
                 "                [--lookahead N] [--passes N]\n"
                 "  --low-res      also write the low-resolution texture of the picture\n"
                 "  --size-weight  squared error one coded bit may cost (0: round every value)\n"
                 "  --lookahead    next values (0..5) whose bits each choice also weighs\n"
                 "  --passes       passes over the picture, each planning with the last one's values\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string input, output, lowRes;
    PackOptions options;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (std::strcmp(a, "--low-res") == 0 && i + 1 < argc) lowRes = argv[++i];
        else if (std::strcmp(a, "--size-weight") == 0 && i + 1 < argc) options.choice.sizeWeight = std::atof(argv[++i]);
        else if (std::strcmp(a, "--lookahead") == 0 && i + 1 < argc) options.choice.lookahead = std::atoi(argv[++i]);
        else if (std::strcmp(a, "--passes") == 0 && i + 1 < argc) options.passes = std::atoi(argv[++i]);
        else if (a[0] == '-') return Usage();
        else if (input.empty()) input = a;
        else if (output.empty()) output = a;
        else return Usage();
    }
    if (input.empty() || output.empty()) return Usage();
    GreyPicture picture;
    std::string error;
    if (!ReadPgm(input, &picture, &error)) {
        std::fprintf(stderr, "selenarium-pack: %s\n", error.c_str());
        return 1;
    }
    PackResult result;
    if (!PackPicture(picture, options, &result)) {
        std::fprintf(stderr, "selenarium-pack: cannot pack a %d x %d picture (sides must be positive multiples of 32)\n",
                     picture.width, picture.height);
        return 1;
    }
    if (!WriteFileBytes(output, result.file)) {
        std::fprintf(stderr, "selenarium-pack: cannot write %s\n", output.c_str());
        return 1;
    }
    if (!lowRes.empty() && !WriteFileBytes(lowRes, LowResolutionTexture(picture))) {
        std::fprintf(stderr, "selenarium-pack: cannot write %s\n", lowRes.c_str());
        return 1;
    }
    std::printf("%s: %zu bytes, PSNR %.3f dB\n", output.c_str(), result.file.size(), result.psnr);
    return 0;
}
