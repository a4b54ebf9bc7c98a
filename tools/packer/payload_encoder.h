// The packer's side of the payload: the same context model as the unpacker, driven
// symbol by symbol with the range encoder, behind the "PPM" header.
#ifndef SELENARIUM_TOOLS_PACKER_PAYLOAD_ENCODER_H
#define SELENARIUM_TOOLS_PACKER_PAYLOAD_ENCODER_H

#include <cstddef>
#include <cstdint>
#include <vector>

// What the model went through while coding (shows that pruning and rescaling happened).
struct PayloadStats {
    uint32_t pruneRuns[4];       // orders 5, 3, 2, 1
    uint32_t fullContexts[4];    // contexts that came to hold all 256 values, by order
    uint32_t orderZeroRescales;
    bool orderZeroEscapeRemoved; // every byte value has appeared
    size_t streamBytes;          // coded stream, first symbol included, padding excluded
};

// The payload ("PPM", check value, decoded length, coded stream) for `count` bytes, padded
// so that the decoder's work area (20 x payload length) holds the decoded bytes.
// False when memory runs out.
bool EncodePicturePayload(const uint8_t* bytes, size_t count, std::vector<uint8_t>* payload,
                          PayloadStats* stats = nullptr);

// Codes W x H stored values chosen while coding: for each value (in tile order) among the
// integers next to the exact one (and 128 for small details), the one with the least
// weight x error^2 + sizeWeight x bits, the bits read from the model's state at that point.
// `chosen` receives the bytes coded; the payload is as EncodePicturePayload's.
bool EncodeChoosingValues(const std::vector<double>& exact, const std::vector<double>& weight,
                          double sizeWeight, std::vector<uint8_t>* chosen, std::vector<uint8_t>* payload);

#endif
