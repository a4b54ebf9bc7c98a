// libFuzzer target: a packed picture held in memory goes through the same steps as
// UnpackPicture (header checks, payload size check, decode, rebuild) without files.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "unpacker/unpack_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < static_cast<size_t>(kPictureHeaderSize)) return 0;
    PictureInfoHeader info;
    ParseInfoHeader(data + kBitmapFileHeaderSize, &info);
    if (!PictureSizeSupported(info.width, info.height)) return 0;
    // Small pictures keep each run fast; larger ones add nothing the decoder sees.
    if (static_cast<int64_t>(info.width) * info.height > 256 * 256) return 0;
    const long capacity = 2L * info.width * info.height;
    const size_t length = size - kPictureHeaderSize;
    if (length == 0 || length > static_cast<size_t>(capacity)) return 0;
    unsigned char* buffer = static_cast<unsigned char*>(std::malloc(static_cast<size_t>(capacity)));
    if (!buffer) return 0;
    std::memcpy(buffer, data + kPictureHeaderSize, length);
    if (DecodePicturePayload(buffer, static_cast<long>(length), capacity, nullptr) >= 0) {
        RebuildPicture(buffer, info.width, info.height);
    }
    std::free(buffer);
    return 0;
}
