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

// How the packer chooses a stored value among the integers next to its exact value (and
// 128 for a small detail): the one with the least weight x error^2 + sizeWeight x bits,
// the bits read from the model's state at that point. With a lookahead, the bits of the
// next planned values, coded in the contexts the choice makes, count as well.
struct ValueChoice {
    double sizeWeight = 0.030;   // squared stored-value error one coded bit may cost
    int lookahead = 5;           // planned values priced after each choice (5: the longest context)
};

struct PpmModel;
// Chooses the value for exact[0]; exact, weight and planned run on for `left` values
// (planned[1..] are the values expected next). Leaves the model as it was.
uint8_t ChooseStoredValue(PpmModel* m, const ValueChoice& choice, const double* exact,
                          const double* weight, const uint8_t* planned, size_t left);

// Codes the stored values (in tile order), each chosen by ChooseStoredValue with the
// values `planned` for the lookahead. `chosen` receives the bytes coded; the payload is
// as EncodePicturePayload's. False when memory runs out.
bool EncodeChoosingValues(const std::vector<double>& exact, const std::vector<double>& weight,
                          const ValueChoice& choice, const std::vector<uint8_t>& planned,
                          std::vector<uint8_t>* chosen, std::vector<uint8_t>* payload);

#endif
