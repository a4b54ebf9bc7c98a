// The decoder on its own: header handling, the check value, and damaged input.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <vector>

#include "payload_encoder.h"
#include "unpacker/unpack_picture.h"

namespace {

std::vector<uint8_t> SampleBytes(size_t count) {
    std::vector<uint8_t> out(count);
    uint32_t s = 1;
    for (size_t i = 0; i < count; ++i) {
        s = s * 1103515245u + 12345u;
        out[i] = static_cast<uint8_t>((i % 97 < 50) ? (s >> 16) % 8 : (s >> 16));
    }
    return out;
}

std::vector<uint8_t> Packed(const std::vector<uint8_t>& bytes) {
    std::vector<uint8_t> payload;
    EXPECT_TRUE(EncodePicturePayload(bytes.data(), bytes.size(), &payload));
    return payload;
}

long DecodeQuietly(std::vector<uint8_t>* buffer, long length) {
    return DecodePicturePayload(buffer->data(), length, static_cast<long>(buffer->size()), nullptr);
}

TEST(PayloadDecoder, RefusesANonPositiveLength) {
    std::vector<uint8_t> buffer(64, 0);
    EXPECT_EQ(DecodePicturePayload(buffer.data(), 0, 64, nullptr), -1);
    EXPECT_EQ(DecodePicturePayload(buffer.data(), -5, 64, nullptr), -1);
}

TEST(PayloadDecoder, ZeroDecodedLengthReadsNothingAfterTheHeader) {
    // Header "PPM", check 0, length 0: no coded stream follows, none is needed.
    std::vector<uint8_t> buffer = {'P', 'P', 'M', 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(DecodeQuietly(&buffer, 9), 0);
}

TEST(PayloadDecoder, MagicIsNotCheckedAndAWrongCheckValueStillDecodes) {
    const std::vector<uint8_t> bytes = SampleBytes(5000);
    std::vector<uint8_t> payload = Packed(bytes);
    payload[0] = 'X';
    payload[3] ^= 0x55;   // check value no longer matches
    std::vector<uint8_t> buffer(payload);
    buffer.resize(bytes.size() + payload.size());
    std::FILE* report = std::tmpfile();
    ASSERT_NE(report, nullptr);
    ASSERT_EQ(DecodePicturePayload(buffer.data(), static_cast<long>(payload.size()),
                                   static_cast<long>(buffer.size()), report),
              static_cast<long>(bytes.size()));
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), buffer.begin()));
    std::rewind(report);
    char text[4096] = {0};
    text[std::fread(text, 1, sizeof(text) - 1, report)] = 0;
    std::fclose(report);
    EXPECT_NE(std::string(text).find("ERROR\n"), std::string::npos) << text;
}

TEST(PayloadDecoder, EveryTruncationFailsCleanly) {
    const std::vector<uint8_t> bytes = SampleBytes(20000);
    const std::vector<uint8_t> payload = Packed(bytes);
    for (size_t cut = 1; cut < payload.size(); cut += 1 + cut / 8) {
        std::vector<uint8_t> buffer(payload.begin(), payload.begin() + cut);
        buffer.resize(bytes.size() + payload.size());
        EXPECT_EQ(DecodeQuietly(&buffer, static_cast<long>(cut)), -1) << "cut at " << cut;
    }
}

TEST(PayloadDecoder, DecodedLengthBeyondTheBufferOrTheWorkAreaFails) {
    const std::vector<uint8_t> bytes = SampleBytes(4000);
    const std::vector<uint8_t> payload = Packed(bytes);
    std::vector<uint8_t> small(payload);
    small.resize(bytes.size() - 1);   // one byte short of the decoded length
    EXPECT_EQ(DecodeQuietly(&small, static_cast<long>(payload.size())), -1);

    // A header claiming far more than 20 decoded bytes per payload byte.
    std::vector<uint8_t> huge(payload);
    const uint32_t claimed = static_cast<uint32_t>(payload.size() * 20 + 1);
    for (int i = 0; i < 4; ++i) huge[5 + i] = static_cast<uint8_t>(claimed >> (8 * i));
    huge.resize(claimed + 16);
    EXPECT_EQ(DecodeQuietly(&huge, static_cast<long>(payload.size())), -1);
}

TEST(PayloadDecoder, CorruptStreamsNeverOverrunAndEndWithinTheirLength) {
    const std::vector<uint8_t> bytes = SampleBytes(20000);
    const std::vector<uint8_t> payload = Packed(bytes);
    uint32_t s = 3;
    for (int trial = 0; trial < 200; ++trial) {
        std::vector<uint8_t> buffer(payload);
        for (int flips = 0; flips < 1 + trial % 4; ++flips) {
            s = s * 1664525u + 1013904223u;
            const size_t at = 9 + (s >> 8) % (payload.size() - 9);
            buffer[at] = static_cast<uint8_t>(buffer[at] ^ (1u << (s % 8)));
        }
        buffer.resize(bytes.size() + 64);
        const long result = DecodeQuietly(&buffer, static_cast<long>(payload.size()));
        EXPECT_TRUE(result == -1 || result == static_cast<long>(bytes.size())) << result;
    }
}

}  // namespace
