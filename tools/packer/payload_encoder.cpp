#include "payload_encoder.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

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

const double kImpossible = 1e30;

// The history as it is after coding `v` (PpmPushHistory also counts the symbol).
void ShiftHistory(uint8_t history[5], uint8_t v) {
    std::memmove(history + 1, history, 4);
    history[0] = v;
}

// What coding `v` would cost now, in bits, without touching the model.
double SymbolBits(const PpmModel* m, uint8_t v) {
    bool marked[256];
    std::memset(marked, 0, sizeof(marked));
    double bits = 0;
    const int orders[4] = {5, 3, 2, 1};
    for (int order : orders) {
        const uint32_t x = PpmPeekContext(m, order);
        if (x == kPpmNone) continue;
        const PpmOrderTable& t = m->tables[PpmTableOfOrder(order)];
        uint32_t open = 0, mine = 0;
        for (uint32_t e = t.entryCount + x; e != kPpmNone; e = t.entries[e].next) {
            const PpmSymbolEntry& entry = t.entries[e];
            if (marked[entry.symbol]) continue;
            open += entry.frequency;
            if (entry.symbol == v) mine = entry.frequency;
        }
        const uint32_t total = open + t.contexts[x].distinct;
        if (mine) return bits - std::log2(static_cast<double>(mine) / total);
        if (t.contexts[x].distinct == 0) return kImpossible;
        bits -= std::log2(static_cast<double>(t.contexts[x].distinct) / total);
        for (uint32_t e = t.entryCount + x; e != kPpmNone; e = t.entries[e].next) marked[t.entries[e].symbol] = true;
    }
    const OrderZeroModel& z = m->zero;
    uint32_t excluded = 0;
    for (int p = 1; p <= 256; ++p) {
        if (marked[z.valueAt[p]]) excluded += z.cum[p - 1] - z.cum[p];
    }
    const uint32_t total = z.cum[0] - excluded;
    const int p = z.positionOf[v];
    const uint32_t count = z.cum[p - 1] - z.cum[p];
    if (count) return bits - std::log2(static_cast<double>(count) / total);
    if (z.cum[256] == 0) return kImpossible;
    bits -= std::log2(static_cast<double>(z.cum[256]) / total);
    return bits + std::log2(static_cast<double>(m->fresh.left[0]));
}

// The integers worth trying for a value: the two next to the exact one, and 128 for a
// small detail. Returns how many were written.
int Candidates(double exact, int out[3]) {
    const double f = std::floor(exact), c = std::ceil(exact);
    int n = 0;
    out[n++] = static_cast<int>(f < 0 ? 0 : (f > 255 ? 255 : f));
    const int high = static_cast<int>(c < 0 ? 0 : (c > 255 ? 255 : c));
    if (high != out[0]) out[n++] = high;
    if (std::fabs(exact - 128) <= 1.6 && out[0] != 128 && out[n - 1] != 128) out[n++] = 128;
    return n;
}

// Bits of the planned values that follow, coded in the contexts that coding `v` now makes
// (the model's counts as they are now). Stops early once `budget` is spent.
double PlannedBits(PpmModel* m, uint8_t v, const uint8_t* planned, int ahead, double budget) {
    uint8_t saved[5];
    std::memcpy(saved, m->history, 5);
    ShiftHistory(m->history, v);
    double bits = 0;
    for (int j = 1; j <= ahead && bits < budget; ++j) {
        bits += SymbolBits(m, planned[j]);
        ShiftHistory(m->history, planned[j]);
    }
    std::memcpy(m->history, saved, 5);
    return bits;
}

}  // namespace

uint8_t ChooseStoredValue(PpmModel* m, const ValueChoice& choice, const double* exact,
                          const double* weight, const uint8_t* planned, size_t left) {
    int candidates[3];
    const int n = Candidates(exact[0], candidates);
    // Beyond five values the choice has left the longest context.
    const int reach = choice.lookahead < 0 ? 0 : (choice.lookahead > 5 ? 5 : choice.lookahead);
    const int ahead = left - 1 < static_cast<size_t>(reach) ? static_cast<int>(left - 1) : reach;
    double best = kImpossible * 4;
    int bestValue = candidates[0];
    for (int k = 0; k < n; ++k) {
        const int v = candidates[k];
        const double e = v - exact[0];
        double cost = weight[0] * e * e + choice.sizeWeight * SymbolBits(m, static_cast<uint8_t>(v));
        if (ahead > 0 && cost < best) {
            cost += choice.sizeWeight *
                    PlannedBits(m, static_cast<uint8_t>(v), planned, ahead, (best - cost) / choice.sizeWeight);
        }
        if (cost < best) {
            best = cost;
            bestValue = v;
        }
    }
    return static_cast<uint8_t>(bestValue);
}

namespace {

void WriteHeader(std::vector<uint8_t>* payload, uint16_t crc, uint32_t count) {
    (*payload)[3] = static_cast<uint8_t>(crc);
    (*payload)[4] = static_cast<uint8_t>(crc >> 8);
    for (int i = 0; i < 4; ++i) (*payload)[5 + i] = static_cast<uint8_t>(count >> (8 * i));
}

}  // namespace

bool EncodeChoosingValues(const std::vector<double>& exact, const std::vector<double>& weight,
                          const ValueChoice& choice, const std::vector<uint8_t>& planned,
                          std::vector<uint8_t>* chosen, std::vector<uint8_t>* payload) {
    const size_t count = exact.size();
    payload->assign({'P', 'P', 'M', 0, 0, 0, 0, 0, 0});
    chosen->assign(count, 0);
    PpmModel* m = static_cast<PpmModel*>(std::malloc(sizeof(PpmModel)));
    if (!m || !PpmModelInit(m)) {
        std::free(m);
        return false;
    }
    if (count > 0) {
        const double first = std::floor(exact[0] + 0.5);
        (*chosen)[0] = static_cast<uint8_t>(first < 0 ? 0 : (first > 255 ? 255 : first));
        RangeEncoder e;
        RangeEncoderStart(&e, payload, (*chosen)[0]);
        NewSymbolRemove(m, (*chosen)[0]);
        OrderZeroUpdate(m, m->zero.positionOf[(*chosen)[0]]);
        PpmPushHistory(m, (*chosen)[0]);
        for (size_t i = 1; i < count; ++i) {
            const uint8_t v = ChooseStoredValue(m, choice, &exact[i], &weight[i], &planned[i], count - i);
            (*chosen)[i] = v;
            EncodeSymbol(m, &e, v);
            PpmUpdateContexts(m, v);
            PpmPushHistory(m, v);
        }
        RangeEncoderFinish(&e);
    }
    PpmModelRelease(m);
    std::free(m);
    WriteHeader(payload, Crc16(chosen->data(), count), static_cast<uint32_t>(count));
    const size_t minimum = (count + 19) / 20;
    if (payload->size() < minimum) payload->resize(minimum, 0);
    return true;
}

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
        for (int i = 0; i < 4; ++i) {
            stats->pruneRuns[i] = m->tables[i].pruneRuns;
            stats->fullContexts[i] = m->tables[i].fullContexts;
        }
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
