// Packs a grey picture into the packed picture file the unpacker reads.
#ifndef SELENARIUM_TOOLS_PACKER_PICTURE_PACKER_H
#define SELENARIUM_TOOLS_PACKER_PICTURE_PACKER_H

#include <cstdint>
#include <vector>

#include "pack_files.h"
#include "payload_encoder.h"

struct PackOptions {
    // choice.sizeWeight is the price of one coded bit in squared stored-value error: 0
    // stores every value rounded (least error); larger values let values move to a cheaper
    // neighbouring integer. The defaults keep the Moon picture just above 36.3 dB PSNR
    // (36.43 dB when rounded).
    ValueChoice choice;
    // Passes over the picture: each after the first plans its lookahead with the values
    // the one before chose (the first plans with the rounded values).
    int passes = 2;
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
