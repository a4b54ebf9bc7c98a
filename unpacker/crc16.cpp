#include "crc16.h"

void BuildCrc16Table(Crc16Table* table) {
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t value = i << 8;
        for (int bit = 0; bit < 8; ++bit) {
            value = (value & 0x8000) ? (value << 1) ^ 0x1021 : value << 1;
        }
        table->entry[i] = static_cast<uint16_t>(value);
    }
}

uint16_t Crc16(const uint8_t* bytes, size_t count) {
    Crc16Table table;
    BuildCrc16Table(&table);
    uint16_t crc = 0;
    for (size_t i = 0; i < count; ++i) crc = Crc16Step(table, crc, bytes[i]);
    return crc;
}
