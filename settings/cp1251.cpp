#include "settings/cp1251.h"

#include <stdint.h>

namespace {

// Unicode code points of the bytes 0x80 ... 0xBF (0 = unassigned); 0xC0 ... 0xFF are
// the Cyrillic letters U+0410 ... U+044F in order.
const uint16_t kUpperHalf[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

// One byte for a code point, or 0 when the code page has none.
unsigned char EncodeCodePoint(uint32_t cp) {
    if (cp < 0x80) return static_cast<unsigned char>(cp);
    if (cp >= 0x0410 && cp <= 0x044F) return static_cast<unsigned char>(0xC0 + (cp - 0x0410));
    for (int i = 0; i < 64; ++i)
        if (kUpperHalf[i] != 0 && kUpperHalf[i] == cp) return static_cast<unsigned char>(0x80 + i);
    return 0;
}

// Decodes one UTF-8 sequence at s; returns its length, 0 when malformed.
int DecodeUtf8(const unsigned char* s, uint32_t* cp) {
    if (s[0] < 0x80) { *cp = s[0]; return 1; }
    int len = (s[0] & 0xE0) == 0xC0 ? 2 : (s[0] & 0xF0) == 0xE0 ? 3 : (s[0] & 0xF8) == 0xF0 ? 4 : 0;
    if (len == 0) return 0;
    uint32_t v = s[0] & (0x7F >> len);
    for (int i = 1; i < len; ++i) {
        if ((s[i] & 0xC0) != 0x80) return 0;  // also stops at the NUL
        v = (v << 6) | (s[i] & 0x3F);
    }
    *cp = v;
    return len;
}

}  // namespace

bool Utf8ToCp1251(const char* utf8, std::string* out) {
    out->clear();
    if (utf8 == nullptr) return true;
    bool ok = true;
    const unsigned char* s = reinterpret_cast<const unsigned char*>(utf8);
    while (*s != 0) {
        uint32_t cp = 0;
        int len = DecodeUtf8(s, &cp);
        unsigned char byte = len > 0 ? EncodeCodePoint(cp) : 0;
        if (len == 0) len = 1;
        if (byte == 0) {
            byte = '?';
            ok = false;
        }
        out->push_back(static_cast<char>(byte));
        s += len;
    }
    return ok;
}

std::string Cp1251(const char* utf8) {
    std::string out;
    Utf8ToCp1251(utf8, &out);
    return out;
}
