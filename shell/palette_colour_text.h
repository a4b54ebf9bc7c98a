// The user's colours as "Control Panel\Colors" stores them: text holding red, green and
// blue as decimal numbers separated by blanks, for example "255 0 128".
#ifndef SELENARIUM_SHELL_PALETTE_COLOUR_TEXT_H
#define SELENARIUM_SHELL_PALETTE_COLOUR_TEXT_H

#include <stddef.h>
#include <stdint.h>

struct ColourTriple {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

// Reads three signed decimal numbers, each after optional white space, from at most
// length bytes of text (a NUL ends it earlier); each is taken modulo 256. Text after the
// third number is ignored. False, with colour untouched, when fewer than three numbers
// are found.
bool ParseColourText(const char* text, size_t length, ColourTriple* colour);

#endif
