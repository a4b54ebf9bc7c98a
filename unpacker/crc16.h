// The packed picture's check value: CRC-16/XMODEM (polynomial 0x1021, initial 0).
#ifndef SELENARIUM_UNPACKER_CRC16_H
#define SELENARIUM_UNPACKER_CRC16_H

#include <cstddef>
#include <cstdint>

struct Crc16Table {
    uint16_t entry[256];
};

void BuildCrc16Table(Crc16Table* table);

inline uint16_t Crc16Step(const Crc16Table& table, uint16_t crc, uint8_t byte) {
    return static_cast<uint16_t>(((crc & 0xFF) << 8) ^ table.entry[((crc >> 8) & 0xFF) ^ byte]);
}

uint16_t Crc16(const uint8_t* bytes, size_t count);

#endif
