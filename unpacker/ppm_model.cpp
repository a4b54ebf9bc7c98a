// The context model: pools, lookup with creation, pruning, coding intervals and updates.
#include "ppm_model.h"

#include <cstdlib>
#include <cstring>

namespace {

struct OrderShape {
    int order;
    uint32_t contexts, entries, buckets, usageCap, rescaleLimit;
};

// Fixed by the packed file format: changing any number breaks every packed file.
const OrderShape kShapes[4] = {
    {5, 143356, 106493, 262144, 150, 4095},
    {3, 53247, 40954, 65536, 100, 2047},
    {2, 2560, 12544, 32768, 100, 2047},
    {1, 208, 16383, 256, 100, 2047},
};
const uint32_t kOrderZeroRescaleLimit = 1535;

// Callers make sure the order has a free item first.
uint32_t TakeContext(PpmOrderTable* t) {
    uint32_t index;
    if (t->freeContexts != kPpmNone) {
        index = t->freeContexts;
        t->freeContexts = t->contexts[index].next;
    } else {
        index = t->contextsFresh++;
    }
    --t->freeContextCount;
    return index;
}

uint32_t TakeEntry(PpmOrderTable* t) {
    uint32_t index;
    if (t->freeEntries != kPpmNone) {
        index = t->freeEntries;
        t->freeEntries = t->entries[index].next;
    } else {
        index = t->entriesFresh++;
    }
    --t->freeEntryCount;
    return index;
}

uint32_t FirstEntry(const PpmOrderTable* t, uint32_t context) {
    return t->entryCount + context;
}

void FreeContext(PpmOrderTable* t, uint32_t context) {
    PpmSymbolEntry& first = t->entries[FirstEntry(t, context)];
    uint32_t e = first.next;
    while (e != kPpmNone) {
        uint32_t next = t->entries[e].next;
        t->entries[e].next = t->freeEntries;
        t->freeEntries = e;
        ++t->freeEntryCount;
        e = next;
    }
    first.next = kPpmNone;
    PpmContext& c = t->contexts[context];
    c.total = 0;
    c.next = t->freeContexts;
    t->freeContexts = context;
    ++t->freeContextCount;
}

// Ages every second chain: busy contexts lose half their usage, idle ones are freed.
void PruneOrder(PpmOrderTable* t) {
    for (uint32_t b = t->sweepStart; b < t->bucketCount; b += 2) {
        uint32_t* link = &t->buckets[b];
        while (*link != kPpmNone) {
            uint32_t index = *link;
            PpmContext& c = t->contexts[index];
            if (c.usage > 0) {
                c.usage >>= 1;
                link = &c.next;
            } else {
                *link = c.next;
                FreeContext(t, index);
            }
        }
    }
    t->sweepStart ^= 1;
    ++t->pruneRuns;
}

uint32_t BucketOf(int order, const uint8_t* h) {
    uint32_t h0 = h[0], h1 = h[1], h2 = h[2], h3 = h[3], h4 = h[4];
    switch (order) {
    case 2: return ((((h0 << 4) ^ h0) << 3) ^ h1) ^ h0;
    case 3: return ((((h2 ^ h0) << 4) ^ h1) << 4) ^ h0;
    default: return ((((((h1 ^ h0) << 3) ^ h2 ^ h4) << 4) ^ h3 ^ h0) << 3) ^ h4 ^ h0;
    }
}

int LookupsPerCall(int order) {
    switch (order) {
    case 5: return 3;
    case 3: return 2;
    case 2: return 1;
    default: return 0;
    }
}

void AddVisit(PpmModel* m, int table, uint32_t context, uint32_t entry, PpmVisitKind kind) {
    if (m->visitCount < 4) m->visits[m->visitCount++] = PpmVisit{table, context, entry, kind};
}

void StartContext(PpmOrderTable* t, uint32_t index, const uint8_t* h) {
    PpmContext& c = t->contexts[index];
    c.total = 0;
    c.usage = 0;
    c.distinct = 0;
    c.next = kPpmNone;
    std::memcpy(c.key, h, 5);
    t->entries[FirstEntry(t, index)].next = kPpmNone;
}

bool Marked(const PpmModel* m, uint8_t symbol) {
    return m->excluding && m->marks[symbol] == m->symbolIndex;
}

void MarkAll(PpmModel* m, const PpmOrderTable* t, uint32_t context, uint32_t* last) {
    for (uint32_t e = FirstEntry(t, context); e != kPpmNone; e = t->entries[e].next) {
        m->marks[t->entries[e].symbol] = m->symbolIndex;
        *last = e;
    }
}

void RecordEscape(PpmModel* m, int order, uint32_t context) {
    int table = PpmTableOfOrder(order);
    const PpmOrderTable* t = &m->tables[table];
    uint32_t last = FirstEntry(t, context);
    MarkAll(m, t, context, &last);
    AddVisit(m, table, context, last, kVisitEscaped);
    m->excluding = true;
}

// Sum of the frequencies of the entries not excluded.
uint32_t OpenSum(const PpmModel* m, const PpmOrderTable* t, uint32_t context) {
    if (!m->excluding) return t->contexts[context].total;
    uint32_t sum = 0;
    for (uint32_t e = FirstEntry(t, context); e != kPpmNone; e = t->entries[e].next) {
        if (!Marked(m, t->entries[e].symbol)) sum += t->entries[e].frequency;
    }
    return sum;
}

}  // namespace

int PpmTableOfOrder(int order) {
    switch (order) {
    case 5: return 0;
    case 3: return 1;
    case 2: return 2;
    default: return 3;
    }
}

int PpmNextLowerOrder(int order) {
    switch (order) {
    case 5: return 3;
    case 3: return 2;
    case 2: return 1;
    default: return 0;
    }
}

bool PpmModelInit(PpmModel* m) {
    std::memset(m, 0, sizeof(*m));
    for (int i = 0; i < 4; ++i) {
        const OrderShape& s = kShapes[i];
        PpmOrderTable* t = &m->tables[i];
        t->order = s.order;
        t->contextCount = s.contexts;
        t->entryCount = s.entries;
        t->bucketCount = s.buckets;
        t->usageCap = s.usageCap;
        t->rescaleLimit = s.rescaleLimit;
        t->contexts = static_cast<PpmContext*>(std::malloc(sizeof(PpmContext) * s.contexts));
        t->entries = static_cast<PpmSymbolEntry*>(
            std::malloc(sizeof(PpmSymbolEntry) * (s.entries + s.contexts)));
        t->buckets = static_cast<uint32_t*>(std::malloc(sizeof(uint32_t) * s.buckets));
        if (!t->contexts || !t->entries || !t->buckets) {
            PpmModelRelease(m);
            return false;
        }
        // Only the chain heads need a start value; records are set up when taken.
        std::memset(t->buckets, 0xFF, sizeof(uint32_t) * s.buckets);
        t->freeContexts = kPpmNone;
        t->freeContextCount = s.contexts;
        t->freeEntries = kPpmNone;
        t->freeEntryCount = s.entries;
    }
    for (int c = 0; c < 256; ++c) m->marks[c] = -1;
    for (int p = 0; p <= 257; ++p) {
        m->zero.cum[p] = p <= 256 ? 27 : 0;
        m->zero.freq[p] = p == 0 ? 0 : 1;
        m->zero.valueAt[p] = static_cast<uint8_t>(p >= 1 && p <= 256 ? p - 1 : 0);
    }
    for (int c = 0; c < 256; ++c) m->zero.positionOf[c] = static_cast<uint16_t>(c + 1);
    for (int j = 0; j <= 256; ++j) m->fresh.left[j] = static_cast<uint32_t>(256 - j);
    const uint8_t start[5] = {1, 2, 4, 8, 16};
    std::memcpy(m->history, start, 5);
    return true;
}

void PpmModelRelease(PpmModel* m) {
    for (PpmOrderTable& t : m->tables) {
        std::free(t.contexts);
        std::free(t.entries);
        std::free(t.buckets);
        t.contexts = nullptr;
        t.entries = nullptr;
        t.buckets = nullptr;
    }
}

uint32_t PpmFindContext(PpmModel* m, int* order) {
    int o = *order;
    const uint8_t* h = m->history;
    for (int round = LookupsPerCall(*order); round > 0; --round) {
        int table = PpmTableOfOrder(o);
        PpmOrderTable* t = &m->tables[table];
        uint32_t b = BucketOf(o, h);
        uint32_t prev = kPpmNone;
        for (uint32_t cur = t->buckets[b]; cur != kPpmNone; cur = t->contexts[cur].next) {
            if (std::memcmp(t->contexts[cur].key, h, static_cast<size_t>(o)) == 0) {
                if (prev != kPpmNone) {
                    t->contexts[prev].next = t->contexts[cur].next;
                    t->contexts[cur].next = t->buckets[b];
                    t->buckets[b] = cur;
                }
                *order = o;
                return cur;
            }
            prev = cur;
        }
        while (t->freeContextCount == 0) PruneOrder(t);
        uint32_t index = TakeContext(t);
        StartContext(t, index, h);
        // Pruning may have shortened the chain: append after whatever is last now.
        uint32_t* link = &t->buckets[b];
        while (*link != kPpmNone) link = &t->contexts[*link].next;
        *link = index;
        AddVisit(m, table, index, kPpmNone, kVisitNew);
        o = PpmNextLowerOrder(o);
    }
    if (o != 1) {
        *order = 0;
        return kPpmNone;
    }
    PpmOrderTable* t = &m->tables[3];
    while (t->freeContextCount == 0) PruneOrder(t);
    uint32_t slot = h[0];
    if (t->buckets[slot] != kPpmNone) {
        *order = 1;
        return t->buckets[slot];
    }
    uint32_t index = TakeContext(t);
    StartContext(t, index, h);
    t->buckets[slot] = index;
    AddVisit(m, 3, index, kPpmNone, kVisitNew);
    *order = 0;
    return kPpmNone;
}

uint32_t PpmPeekContext(const PpmModel* m, int order) {
    const PpmOrderTable* t = &m->tables[PpmTableOfOrder(order)];
    if (order == 1) return t->buckets[m->history[0]];
    for (uint32_t cur = t->buckets[BucketOf(order, m->history)]; cur != kPpmNone; cur = t->contexts[cur].next) {
        if (std::memcmp(t->contexts[cur].key, m->history, static_cast<size_t>(order)) == 0) return cur;
    }
    return kPpmNone;
}

uint32_t PpmContextTotal(const PpmModel* m, int order, uint32_t context) {
    const PpmOrderTable* t = &m->tables[PpmTableOfOrder(order)];
    return OpenSum(m, t, context) + t->contexts[context].distinct;
}

bool PpmContextDecode(PpmModel* m, int order, uint32_t context, uint32_t target,
                      PpmInterval* iv, uint8_t* symbol) {
    int table = PpmTableOfOrder(order);
    const PpmOrderTable* t = &m->tables[table];
    uint32_t open = OpenSum(m, t, context);
    uint32_t total = open + t->contexts[context].distinct;
    if (target < open) {
        uint32_t c = 0;
        for (uint32_t e = FirstEntry(t, context); e != kPpmNone; e = t->entries[e].next) {
            const PpmSymbolEntry& entry = t->entries[e];
            if (Marked(m, entry.symbol)) continue;
            if (c + entry.frequency > target) {
                *iv = PpmInterval{c, entry.frequency, total};
                *symbol = entry.symbol;
                AddVisit(m, table, context, e, kVisitFound);
                return true;
            }
            c += entry.frequency;
        }
    }
    *iv = PpmInterval{open, t->contexts[context].distinct, total};
    RecordEscape(m, order, context);
    return false;
}

bool PpmContextEncode(PpmModel* m, int order, uint32_t context, uint8_t symbol,
                      PpmInterval* iv) {
    int table = PpmTableOfOrder(order);
    const PpmOrderTable* t = &m->tables[table];
    uint32_t open = OpenSum(m, t, context);
    uint32_t total = open + t->contexts[context].distinct;
    uint32_t c = 0;
    for (uint32_t e = FirstEntry(t, context); e != kPpmNone; e = t->entries[e].next) {
        const PpmSymbolEntry& entry = t->entries[e];
        if (Marked(m, entry.symbol)) continue;
        if (entry.symbol == symbol) {
            *iv = PpmInterval{c, entry.frequency, total};
            AddVisit(m, table, context, e, kVisitFound);
            return true;
        }
        c += entry.frequency;
    }
    *iv = PpmInterval{open, t->contexts[context].distinct, total};
    RecordEscape(m, order, context);
    return false;
}

void OrderZeroCumulative(const PpmModel* m, uint32_t cumPrime[258]) {
    const OrderZeroModel& z = m->zero;
    cumPrime[257] = 0;
    cumPrime[256] = z.cum[256];
    uint32_t excluded = 0;
    for (int k = 255; k >= 0; --k) {
        int j = k + 1;
        if (Marked(m, z.valueAt[j])) excluded += z.cum[j - 1] - z.cum[j];
        cumPrime[k] = z.cum[k] - excluded;
    }
}

int OrderZeroFind(const uint32_t cumPrime[258], uint32_t target) {
    int lo = 1, hi = 257;
    while (lo < hi) {
        int mid = (lo + hi) >> 1;
        if (cumPrime[mid] > target) lo = mid + 1;
        else hi = mid;
    }
    return lo;
}

void OrderZeroUpdate(PpmModel* m, int p) {
    OrderZeroModel& z = m->zero;
    if (z.cum[0] >= kOrderZeroRescaleLimit) {
        uint32_t running = z.cum[256];
        if (running > 1) --running;
        for (int i = 256; i >= 0; --i) {
            z.cum[i] = running;
            z.freq[i] = (z.freq[i] + 2) >> 1;
            running += z.freq[i] - 1;
        }
        ++z.rescales;
    }
    int i = p;
    while (i > 1 && z.freq[i - 1] == z.freq[p]) --i;
    if (i < p) {
        uint8_t a = z.valueAt[i], b = z.valueAt[p];
        z.valueAt[i] = b;
        z.valueAt[p] = a;
        z.positionOf[b] = static_cast<uint16_t>(i);
        z.positionOf[a] = static_cast<uint16_t>(p);
    }
    z.freq[i] += 2;
    for (int k = 0; k < i; ++k) z.cum[k] += 2;
}

int NewSymbolFind(const PpmModel* m, uint32_t target) {
    const uint32_t* left = m->fresh.left;
    int lo = 1, hi = 257;
    while (lo < hi) {
        int mid = (lo + hi) >> 1;
        if (left[mid] > target) lo = mid + 1;
        else hi = mid;
    }
    return lo - 1;
}

void NewSymbolRemove(PpmModel* m, uint8_t symbol) {
    uint32_t* left = m->fresh.left;
    if (left[symbol] == left[symbol + 1]) return;   // already seen: nothing to remove
    for (int j = 0; j <= symbol; ++j) --left[j];
    if (left[0] == 0) {
        // Every value has appeared: the order-0 escape goes away for good.
        uint32_t escape = m->zero.cum[256];
        for (int k = 0; k <= 256; ++k) m->zero.cum[k] -= escape;
    }
}

void PpmUpdateContexts(PpmModel* m, uint8_t s) {
    for (int i = 0; i < m->visitCount; ++i) {
        const PpmVisit& v = m->visits[i];
        PpmOrderTable* t = &m->tables[v.table];
        PpmContext& x = t->contexts[v.context];
        switch (v.kind) {
        case kVisitFound: {
            if (x.total >= t->rescaleLimit) {
                uint32_t sum = 0;
                for (uint32_t e = FirstEntry(t, v.context); e != kPpmNone; e = t->entries[e].next) {
                    PpmSymbolEntry& entry = t->entries[e];
                    entry.frequency = static_cast<uint16_t>(entry.frequency - (entry.frequency >> 1));
                    sum += entry.frequency;
                }
                x.total = static_cast<uint16_t>(sum);
            }
            x.total = static_cast<uint16_t>(x.total + 2);
            t->entries[v.entry].frequency = static_cast<uint16_t>(t->entries[v.entry].frequency + 2);
            if (x.usage < t->usageCap) x.usage = static_cast<uint8_t>(x.usage + 16);
            break;
        }
        case kVisitNew: {
            PpmSymbolEntry& first = t->entries[FirstEntry(t, v.context)];
            first.symbol = s;
            first.frequency = 1;
            x.total = 1;
            x.distinct = 1;
            break;
        }
        case kVisitEscaped:
            if (t->freeEntryCount > 0) {
                uint32_t e = TakeEntry(t);
                t->entries[e] = PpmSymbolEntry{s, 2, t->entries[v.entry].next};
                t->entries[v.entry].next = e;
                x.usage >>= 1;
                x.distinct = static_cast<uint8_t>(x.distinct + 1);
                x.total = static_cast<uint16_t>(x.total + 2);
                if (x.distinct == 0) ++t->fullContexts;
            } else {
                // No room: the context stays as it is and the symbol escapes again next time.
                while (t->freeEntryCount == 0) PruneOrder(t);
            }
            break;
        }
    }
    m->visitCount = 0;
    m->excluding = false;
}

void PpmPushHistory(PpmModel* m, uint8_t s) {
    std::memmove(m->history + 1, m->history, 4);
    m->history[0] = s;
    ++m->symbolIndex;
}
