#include "picture_packer.h"

#include <cmath>

#include "payload_encoder.h"
#include "picture_transform.h"
#include "unpacker/unpack_picture.h"

double RebuiltPsnr(const GreyPicture& picture, const std::vector<uint8_t>& stored) {
    const int w = picture.width, h = picture.height;
    std::vector<uint8_t> buffer = TileStoredValues(stored, w, h);
    buffer.resize(static_cast<size_t>(2) * w * h);
    if (RebuildPicture(buffer.data(), w, h) != 1) return 0;
    const std::vector<double> source = NegativeBottomUp(picture);
    double sse = 0;
    for (int r = 0; r < h; ++r)
        for (int c = 0; c < w; ++c) {
            double d = buffer[static_cast<size_t>(r) * 2 * w + c] - source[static_cast<size_t>(r) * w + c];
            sse += d * d;
        }
    const double mse = sse / (static_cast<double>(w) * h);
    return mse > 0 ? 10 * std::log10(255.0 * 255.0 / mse) : 99.0;
}

bool PackPicture(const GreyPicture& picture, const PackOptions& options, PackResult* result) {
    const int w = picture.width, h = picture.height;
    if (!PictureSizeSupported(w, h)) return false;
    const std::vector<double> exact = ForwardTransform(NegativeBottomUp(picture), w, h);
    std::vector<uint8_t> stored = RoundStoredValues(exact);
    std::vector<uint8_t> payload;
    if (options.choice.sizeWeight > 0) {
        // Error weights relative to a value that only the four whole-picture steps rebuild.
        std::vector<double> weight = StoredValueWeights(w, h);
        for (double& v : weight) v /= 256;
        const std::vector<double> tiledExact = TileStoredValues(exact, w, h);
        const std::vector<double> tiledWeight = TileStoredValues(weight, w, h);
        std::vector<uint8_t> planned = TileStoredValues(stored, w, h), tiled;
        for (int pass = 0; pass < (options.passes > 1 ? options.passes : 1); ++pass) {
            if (!EncodeChoosingValues(tiledExact, tiledWeight, options.choice, planned, &tiled, &payload)) {
                return false;
            }
            planned = tiled;
        }
        stored = UntileStoredValues(tiled, w, h);
    } else {
        const std::vector<uint8_t> tiled = TileStoredValues(stored, w, h);
        if (!EncodePicturePayload(tiled.data(), tiled.size(), &payload)) return false;
    }
    result->file = PackedPictureHeader(w, h);
    result->file.insert(result->file.end(), payload.begin(), payload.end());
    result->psnr = RebuiltPsnr(picture, stored);
    return true;
}
