#include "range_encoder.h"

namespace {

const uint32_t kTop = 0x80000000u;
const uint32_t kBottom = 0x800000u;
const int kShift = 23;

void Emit(RangeEncoder* e, uint8_t byte) { e->out->push_back(byte); }

void Normalize(RangeEncoder* e) {
    while (e->range <= kBottom) {
        if (e->low < (0xFFu << kShift)) {
            Emit(e, e->buffer);
            for (; e->pending; --e->pending) Emit(e, 0xFF);
            e->buffer = static_cast<uint8_t>(e->low >> kShift);
        } else if (e->low & kTop) {
            Emit(e, static_cast<uint8_t>(e->buffer + 1));
            for (; e->pending; --e->pending) Emit(e, 0);
            e->buffer = static_cast<uint8_t>(e->low >> kShift);
        } else {
            ++e->pending;   // a carry may still reach the buffered byte
        }
        e->range <<= 8;
        e->low = (e->low << 8) & (kTop - 1);
        ++e->shifts;
    }
}

}  // namespace

void RangeEncoderStart(RangeEncoder* e, std::vector<uint8_t>* out, uint8_t firstSymbol) {
    e->low = 0;
    e->range = kTop;
    e->buffer = firstSymbol;
    e->pending = 0;
    e->shifts = 0;
    e->shiftsAtLastCode = 0;
    e->coded = false;
    e->out = out;
    e->base = out->size();
}

void RangeEncode(RangeEncoder* e, uint32_t size, uint32_t low, uint32_t total) {
    Normalize(e);
    e->shiftsAtLastCode = e->shifts;
    e->coded = true;
    uint32_t r = e->range / total;
    uint32_t tmp = r * low;
    e->low += tmp;
    if (low + size < total) e->range = r * size;
    else e->range -= tmp;
}

void RangeEncoderFinish(RangeEncoder* e) {
    Normalize(e);
    // A value inside [low, low + range) whose bits below the top byte are all zero.
    uint32_t top = static_cast<uint32_t>((static_cast<uint64_t>(e->low) + (1u << kShift) - 1) >> kShift);
    if (top > 0xFF) {
        Emit(e, static_cast<uint8_t>(e->buffer + 1));
        for (; e->pending; --e->pending) Emit(e, 0);
    } else {
        Emit(e, e->buffer);
        for (; e->pending; --e->pending) Emit(e, 0xFF);
    }
    Emit(e, static_cast<uint8_t>(top & 0xFF));
    for (int i = 0; i < 3; ++i) Emit(e, 0);
    // The decoder reads its first two bytes, three more to fill its register, then one
    // per normalisation step up to the last coded interval; nothing after that.
    const uint64_t reads = e->coded ? 5 + e->shiftsAtLastCode : 2;
    e->out->resize(e->base + static_cast<size_t>(reads));
}
