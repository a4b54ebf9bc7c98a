// Packs a grey picture into the packed picture file the unpacker reads.
#ifndef SELENARIUM_TOOLS_PACKER_PICTURE_PACKER_H
#define SELENARIUM_TOOLS_PACKER_PICTURE_PACKER_H

#include <cstdint>
#include <vector>

#include "pack_files.h"

struct PackOptions {
    // Trade of size against error: 0 stores every value rounded (least error); larger
    // values let stored values drift towards cheaper ones, within `maxStep` of the exact one.
    double sizeWeight = 0;
    int passes = 0;
};

struct PackResult {
    std::vector<uint8_t> file;   // headers and payload
    double psnr = 0;             // rebuilt picture against the source
};

// False for a size the unpacker does not take (W, H positive multiples of 32) or when
// memory runs out.
bool PackPicture(const GreyPicture& picture, const PackOptions& options, PackResult* result);

// The settings the shipped pack is made with (selenarium-pack's defaults).
inline PackOptions ShippedPackOptions() { return PackOptions(); }

// PSNR in dB of what the unpacker rebuilds from `stored` (raster order) against the
// source picture.
double RebuiltPsnr(const GreyPicture& picture, const std::vector<uint8_t>& stored);

#endif
