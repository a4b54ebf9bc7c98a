// selenarium-unpack PACK TEXTURE.bmp: unpacks a packed picture into its texture bitmap.
// Exit 0 on success, 1 on failure (no texture is left behind then).
#include <cstdio>

#include "unpacker/unpack_picture.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: selenarium-unpack PACK TEXTURE.bmp\n");
        return 1;
    }
    long written = UnpackPicture(argv[1], argv[2], stdout);
    if (written <= 0) {
        std::fprintf(stderr, "selenarium-unpack: cannot unpack %s into %s\n", argv[1], argv[2]);
        return 1;
    }
    return 0;
}
