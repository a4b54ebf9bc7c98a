// DecodePicturePayload: the payload's header, the symbol loop and the decoder's report.
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "crc16.h"
#include "ppm_model.h"
#include "range_decoder.h"
#include "unpack_picture.h"

namespace {

uint32_t ReadLe(const uint8_t* p, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}

// Decodes the next symbol after the first; false when the stream is damaged.
bool DecodeSymbol(PpmModel* m, RangeDecoder* d, uint8_t* symbol) {
    int order = 5;
    uint32_t context = PpmFindContext(m, &order);
    while (context != kPpmNone) {
        uint32_t target = RangeTarget(d, PpmContextTotal(m, order, context));
        if (d->damaged) return false;
        PpmInterval iv;
        bool found = PpmContextDecode(m, order, context, target, &iv, symbol);
        RangeConsume(d, iv.size, iv.low, iv.total);
        if (found) return true;
        order = PpmNextLowerOrder(order);
        context = PpmFindContext(m, &order);
    }
    uint32_t cum[258];
    OrderZeroCumulative(m, cum);
    uint32_t target = RangeTarget(d, cum[0]);
    if (d->damaged) return false;
    int p = OrderZeroFind(cum, target);
    RangeConsume(d, cum[p - 1] - cum[p], cum[p], cum[0]);
    if (p <= 256) {
        *symbol = m->zero.valueAt[p];
        OrderZeroUpdate(m, p);
        return true;
    }
    const uint32_t* left = m->fresh.left;
    target = RangeTarget(d, left[0]);
    if (d->damaged) return false;
    int value = NewSymbolFind(m, target);
    RangeConsume(d, left[value] - left[value + 1], left[value + 1], left[0]);
    *symbol = static_cast<uint8_t>(value);
    NewSymbolRemove(m, *symbol);
    OrderZeroUpdate(m, m->zero.positionOf[*symbol]);
    return true;
}

void Report(std::FILE* report, const char* format, long a = 0) {
    if (report) std::fprintf(report, format, a);
}

void ReportEnd(std::FILE* report, bool checkOk, long length, long decoded) {
    if (!report) return;
    std::fprintf(report, "Done   ");
    double seconds = static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
    std::fprintf(report, "\nTime      : %.2f sec\n", seconds);
    if (seconds != 0) {
        long ms = static_cast<long>(seconds * 1000.0);
        std::fprintf(report, "Speed     : %ld kB/sec\nCRC       : ", ms > 0 ? decoded / ms : 0L);
    }
    std::fprintf(report, checkOk ? "OK\n" : "ERROR\n");
    double ratio = length * 100.0 / (decoded > 0 ? decoded : 1);
    std::fprintf(report, "Ratio     : %.2f %%\n            %.4f bpc\n", ratio, ratio * 8 / 100);
    std::fprintf(report, "Compressed: %ld\n", length);
    std::fprintf(report, "Extracted : %ld\n", decoded);
    std::fflush(report);
}

}  // namespace

long DecodePicturePayload(unsigned char* buffer, long length, long capacity, std::FILE* report) {
    if (buffer == nullptr || length <= 0) return -1;
    if (length < kPayloadHeaderSize) return -1;
    const uint16_t stored = static_cast<uint16_t>(ReadLe(buffer + 3, 2));
    const uint32_t decodedLength = ReadLe(buffer + 5, 4);
    // The decoded bytes must fit the caller's buffer and the 20-to-1 work area.
    if (decodedLength > static_cast<uint64_t>(capacity) ||
        decodedLength > static_cast<uint64_t>(length) * 20) {
        Report(report, "Damaged   : decoded length %ld does not fit\n", static_cast<long>(decodedLength));
        return -1;
    }
    Crc16Table crcTable;
    BuildCrc16Table(&crcTable);
    PpmModel* model = static_cast<PpmModel*>(std::malloc(sizeof(PpmModel)));
    if (!model || !PpmModelInit(model)) {
        std::free(model);
        return -1;
    }
    Report(report, "Using %ld MB memory model\n\n", kPpmModelBytes / 1000000 + 1);
    Report(report, "Progress  : ");
    uint8_t* out = decodedLength ? static_cast<uint8_t*>(std::malloc(decodedLength)) : nullptr;
    bool damaged = decodedLength && !out;
    uint16_t crc = 0;
    if (decodedLength && out) {
        RangeDecoder d;
        uint8_t s = RangeStart(&d, buffer, static_cast<size_t>(length), kPayloadHeaderSize);
        NewSymbolRemove(model, s);
        OrderZeroUpdate(model, model->zero.positionOf[s]);
        damaged = d.damaged;
        while (!damaged) {
            PpmPushHistory(model, s);
            const uint32_t n = static_cast<uint32_t>(model->symbolIndex);
            out[n - 1] = s;
            crc = Crc16Step(crcTable, crc, s);
            if (n % 8192 == 0) {
                Report(report, "%3ld %% \b\b\b\b\b\b", static_cast<long>(uint64_t(n) * 100 / decodedLength));
            }
            if (n == decodedLength) break;
            damaged = !DecodeSymbol(model, &d, &s) || d.damaged;
            if (!damaged) PpmUpdateContexts(model, s);
        }
    }
    PpmModelRelease(model);
    std::free(model);
    if (damaged) {
        Report(report, "\nDamaged   : the coded stream is damaged or truncated\n");
        std::free(out);
        return -1;
    }
    if (decodedLength) std::memcpy(buffer, out, decodedLength);
    std::free(out);
    if (decodedLength) ReportEnd(report, crc == stored, length, static_cast<long>(decodedLength));
    return static_cast<long>(decodedLength);
}
