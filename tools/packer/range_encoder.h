// The range encoder matching the unpacker's range decoder: same normalisation, the
// first symbol carried uncoded in the first byte, carries resolved through pending bytes.
#ifndef SELENARIUM_TOOLS_PACKER_RANGE_ENCODER_H
#define SELENARIUM_TOOLS_PACKER_RANGE_ENCODER_H

#include <cstddef>
#include <cstdint>
#include <vector>

struct RangeEncoder {
    uint32_t low, range;
    uint8_t buffer;
    uint32_t pending;
    uint64_t shifts;          // normalisation steps so far
    uint64_t shiftsAtLastCode;
    bool coded;               // at least one interval coded
    size_t base;              // where this stream starts in out
    std::vector<uint8_t>* out;
};

void RangeEncoderStart(RangeEncoder* e, std::vector<uint8_t>* out, uint8_t firstSymbol);
void RangeEncode(RangeEncoder* e, uint32_t size, uint32_t low, uint32_t total);
// Flushes so that the decoder's last reads land exactly on the last byte written.
void RangeEncoderFinish(RangeEncoder* e);

#endif
