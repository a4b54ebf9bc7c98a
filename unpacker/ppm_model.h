// The adaptive context model shared by the picture decoder and the packer: orders 5, 3,
// 2 and 1 in fixed pools, the order-0 model and the model of never-seen byte values.
// Both sides drive it through the same calls, so they stay in step symbol by symbol.
#ifndef SELENARIUM_UNPACKER_PPM_MODEL_H
#define SELENARIUM_UNPACKER_PPM_MODEL_H

#include <cstdint>

const uint32_t kPpmNone = 0xFFFFFFFFu;

struct PpmSymbolEntry {
    uint8_t symbol;
    uint16_t frequency;
    uint32_t next;
};

struct PpmContext {
    uint16_t total;
    uint8_t key[5];
    uint8_t usage;
    uint8_t distinct;   // wraps to 0 when all 256 values are present
    uint32_t next;      // next context in the bucket's chain, or in the free list
};

// One modelled order (5, 3, 2 or 1). Context i's first entry is entries[entryCount + i].
struct PpmOrderTable {
    int order;
    uint32_t contextCount, entryCount, bucketCount;
    uint32_t usageCap, rescaleLimit;
    PpmContext* contexts;
    PpmSymbolEntry* entries;
    uint32_t* buckets;
    // Free items: those never used yet (from `...Fresh` up) and a list of returned ones.
    uint32_t freeContexts, freeContextCount, contextsFresh;
    uint32_t freeEntries, freeEntryCount, entriesFresh;
    uint32_t sweepStart;
    uint32_t pruneRuns;   // how often this order was pruned (for tests and reports)
    uint32_t fullContexts; // how often a context came to hold all 256 values
};

enum PpmVisitKind { kVisitFound, kVisitEscaped, kVisitNew };

struct PpmVisit {
    int table;          // index into PpmModel::tables
    uint32_t context;
    uint32_t entry;
    PpmVisitKind kind;
};

struct OrderZeroModel {
    uint32_t cum[258];
    uint32_t freq[258];
    uint16_t positionOf[256];
    uint8_t valueAt[258];
    uint32_t rescales;
};

struct NewSymbolModel {
    uint32_t left[257];
};

struct PpmModel {
    PpmOrderTable tables[4];   // orders 5, 3, 2, 1
    PpmVisit visits[4];
    int visitCount;
    int32_t marks[256];
    bool excluding;
    OrderZeroModel zero;
    NewSymbolModel fresh;
    uint8_t history[5];        // history[0] is the newest byte
    int32_t symbolIndex;       // symbols coded before the current one
};

// Bytes the pools and tables take, as announced in the decoder's report.
const long kPpmModelBytes = 7063596;

// Allocates the pools and sets every model to its start state; false when memory runs out.
bool PpmModelInit(PpmModel* model);
void PpmModelRelease(PpmModel* model);

// Looks up (creating on the way) the contexts from `*order` down; returns a context of
// order `*order`, or kPpmNone when none exists (then `*order` is 0).
uint32_t PpmFindContext(PpmModel* model, int* order);
int PpmTableOfOrder(int order);
// The context of `order` for the current history if it exists; changes nothing.
uint32_t PpmPeekContext(const PpmModel* model, int order);
int PpmNextLowerOrder(int order);

// Coding in a context of `order`. The interval is [low, low + size) of total.
struct PpmInterval {
    uint32_t low, size, total;
};
// Total of the context's current distribution (exclusions applied).
uint32_t PpmContextTotal(const PpmModel* model, int order, uint32_t context);
// Decoder side: the symbol for target t (returns true) or the escape (false).
bool PpmContextDecode(PpmModel* model, int order, uint32_t context, uint32_t target,
                      PpmInterval* interval, uint8_t* symbol);
// Packer side: codes `symbol` (true) or the escape (false).
bool PpmContextEncode(PpmModel* model, int order, uint32_t context, uint8_t symbol,
                      PpmInterval* interval);

// Order 0: cumulative counts with exclusions applied (cumPrime[0] is the total).
void OrderZeroCumulative(const PpmModel* model, uint32_t cumPrime[258]);
int OrderZeroFind(const uint32_t cumPrime[258], uint32_t target);   // position 1..257
void OrderZeroUpdate(PpmModel* model, int position);

// Never-seen values: their total, the search and the removal of a value once coded.
int NewSymbolFind(const PpmModel* model, uint32_t target);   // byte value
void NewSymbolRemove(PpmModel* model, uint8_t symbol);

// After a symbol: updates the visited contexts, then shifts the history.
void PpmUpdateContexts(PpmModel* model, uint8_t symbol);
void PpmPushHistory(PpmModel* model, uint8_t symbol);

#endif
