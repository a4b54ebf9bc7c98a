// The 32-bit range decoder the packed picture is coded with. Reads never leave the
// payload: running past its end, or an impossible total, marks the stream as damaged.
#ifndef SELENARIUM_UNPACKER_RANGE_DECODER_H
#define SELENARIUM_UNPACKER_RANGE_DECODER_H

#include <cstddef>
#include <cstdint>

struct RangeDecoder {
    uint32_t range, low, help;
    uint8_t buffer;
    const uint8_t* data;
    size_t size, position;
    bool damaged;
};

inline uint8_t RangeNextByte(RangeDecoder* d) {
    if (d->position >= d->size) {
        d->damaged = true;
        return 0;
    }
    return d->data[d->position++];
}

// Starts at `position`: returns the uncoded first symbol.
inline uint8_t RangeStart(RangeDecoder* d, const uint8_t* data, size_t size, size_t position) {
    d->data = data;
    d->size = size;
    d->position = position;
    d->damaged = false;
    d->help = 0;
    uint8_t first = RangeNextByte(d);
    d->buffer = RangeNextByte(d);
    d->low = d->buffer >> 1;
    d->range = 0x80;
    return first;
}

inline uint32_t RangeTarget(RangeDecoder* d, uint32_t total) {
    while (d->range <= 0x800000u) {
        d->low = (d->low << 8) | ((d->buffer & 1u) << 7);
        d->buffer = RangeNextByte(d);
        d->low |= d->buffer >> 1;
        d->range <<= 8;
        if (d->range == 0) d->damaged = true;
        if (d->damaged) return 0;
    }
    if (total == 0 || total > 0xFFFFu) {
        d->damaged = true;
        return 0;
    }
    d->help = d->range / total;
    uint32_t t = d->low / d->help;
    return t >= total ? total - 1 : t;
}

inline void RangeConsume(RangeDecoder* d, uint32_t size, uint32_t low, uint32_t total) {
    d->low -= d->help * low;
    if (low + size < total) d->range = d->help * size;
    else d->range -= d->help * low;
}

#endif
