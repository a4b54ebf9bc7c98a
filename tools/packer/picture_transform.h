// The packer's picture side: the forward Haar steps that the unpacker's inverse sequence
// undoes, the choice of the stored byte values and the 16 x 16 tiling.
#ifndef SELENARIUM_TOOLS_PACKER_PICTURE_TRANSFORM_H
#define SELENARIUM_TOOLS_PACKER_PICTURE_TRANSFORM_H

#include <cstddef>
#include <cstdint>
#include <vector>

// Exact forward transform of a W x H picture (row 0 first), W and H multiples of 32:
// the whole picture four times, then W/16 x H/16, then W/32 x H/32. Values are real;
// detail values carry the offset 128.
std::vector<double> ForwardTransform(const std::vector<double>& picture, int width, int height);

// How strongly an error in each stored value shows in the rebuilt picture (squared gain:
// 256 for most values, more for those the two coarse steps also rebuild).
std::vector<double> StoredValueWeights(int width, int height);

// The stored values in the unpacker's order: 16 x 16 tiles, tile row by tile row.
template <typename T>
std::vector<T> TileStoredValues(const std::vector<T>& raster, int width, int height) {
    std::vector<T> tiled;
    tiled.reserve(raster.size());
    const int tw = width / 16, th = height / 16;
    for (int tr = 0; tr < 16; ++tr)
        for (int tc = 0; tc < 16; ++tc)
            for (int r = 0; r < th; ++r)
                for (int c = 0; c < tw; ++c)
                    tiled.push_back(raster[static_cast<size_t>(tr * th + r) * width + tc * tw + c]);
    return tiled;
}
std::vector<uint8_t> UntileStoredValues(const std::vector<uint8_t>& tiled, int width, int height);

// Rounds each exact value once, clamped to a byte.
std::vector<uint8_t> RoundStoredValues(const std::vector<double>& exact);

#endif
