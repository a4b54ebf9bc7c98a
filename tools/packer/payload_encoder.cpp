#include "payload_encoder.h"

#include <cstdlib>

#include "range_encoder.h"
#include "unpacker/crc16.h"
#include "unpacker/ppm_model.h"

namespace {

void PutLe(std::vector<uint8_t>* out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out->push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void EncodeSymbol(PpmModel* m, RangeEncoder* e, uint8_t s) {
    int order = 5;
    uint32_t context = PpmFindContext(m, &order);
    while (context != kPpmNone) {
        PpmInterval iv;
        bool found = PpmContextEncode(m, order, context, s, &iv);
        RangeEncode(e, iv.size, iv.low, iv.total);
        if (found) return;
        order = PpmNextLowerOrder(order);
        context = PpmFindContext(m, &order);
    }
    uint32_t cum[258];
    OrderZeroCumulative(m, cum);
    int p = m->zero.positionOf[s];
    if (cum[p - 1] > cum[p]) {
        RangeEncode(e, cum[p - 1] - cum[p], cum[p], cum[0]);
        OrderZeroUpdate(m, p);
        return;
    }
    RangeEncode(e, cum[256], 0, cum[0]);   // escape to the never-seen values
    const uint32_t* left = m->fresh.left;
    RangeEncode(e, left[s] - left[s + 1], left[s + 1], left[0]);
    NewSymbolRemove(m, s);
    OrderZeroUpdate(m, m->zero.positionOf[s]);
}

}  // namespace

bool EncodePicturePayload(const uint8_t* bytes, size_t count, std::vector<uint8_t>* payload,
                          PayloadStats* stats) {
    payload->clear();
    payload->push_back('P');
    payload->push_back('P');
    payload->push_back('M');
    PutLe(payload, Crc16(bytes, count), 2);
    PutLe(payload, static_cast<uint32_t>(count), 4);
    PpmModel* m = static_cast<PpmModel*>(std::malloc(sizeof(PpmModel)));
    if (!m || !PpmModelInit(m)) {
        std::free(m);
        return false;
    }
    if (count > 0) {
        RangeEncoder e;
        RangeEncoderStart(&e, payload, bytes[0]);
        NewSymbolRemove(m, bytes[0]);
        OrderZeroUpdate(m, m->zero.positionOf[bytes[0]]);
        PpmPushHistory(m, bytes[0]);
        for (size_t i = 1; i < count; ++i) {
            EncodeSymbol(m, &e, bytes[i]);
            PpmUpdateContexts(m, bytes[i]);
            PpmPushHistory(m, bytes[i]);
        }
        RangeEncoderFinish(&e);
    }
    if (stats) {
        for (int i = 0; i < 4; ++i) stats->pruneRuns[i] = m->tables[i].pruneRuns;
        stats->orderZeroRescales = m->zero.rescales;
        stats->orderZeroEscapeRemoved = m->fresh.left[0] == 0;
        stats->streamBytes = payload->size() - 9;
    }
    PpmModelRelease(m);
    std::free(m);
    // The decoder refuses more than 20 decoded bytes per payload byte.
    const size_t minimum = (count + 19) / 20;
    if (payload->size() < minimum) payload->resize(minimum, 0);
    return true;
}
