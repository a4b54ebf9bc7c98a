#include "palette_colour_text.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// One number at text[*pos]; its value modulo 256 without overflowing on long digit runs.
bool ReadComponent(const char* text, size_t length, size_t* pos, uint8_t* value)
{
    size_t i = *pos;
    while (i < length && text[i] != '\0' && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < length && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= length || text[i] < '0' || text[i] > '9')
        return false;
    unsigned residue = 0;
    while (i < length && text[i] >= '0' && text[i] <= '9') {
        residue = (residue * 10 + static_cast<unsigned>(text[i] - '0')) % 256;
        ++i;
    }
    if (negative)
        residue = (256 - residue) % 256;
    *value = static_cast<uint8_t>(residue);
    *pos = i;
    return true;
}

}  // namespace

bool ParseColourText(const char* text, size_t length, ColourTriple* colour)
{
    size_t pos = 0;
    ColourTriple parsed{};
    if (!ReadComponent(text, length, &pos, &parsed.red) ||
        !ReadComponent(text, length, &pos, &parsed.green) ||
        !ReadComponent(text, length, &pos, &parsed.blue))
        return false;
    *colour = parsed;
    return true;
}
