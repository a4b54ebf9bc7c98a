// The colours of the saver's logical palette, computed without touching the system: the
// channel intensity tables, the colour ramp a pixel format's layout describes, and the
// placing of the system's 20 static colours into a 3-3-2 ramp.
#ifndef SELENARIUM_SHELL_PALETTE_LAYOUT_H
#define SELENARIUM_SHELL_PALETTE_LAYOUT_H

#include <stdint.h>

// One palette entry, laid out like the system's PALETTEENTRY.
struct PaletteColour {
    uint8_t peRed;
    uint8_t peGreen;
    uint8_t peBlue;
    uint8_t peFlags;
};

// Entry flags, with the system's values.
constexpr uint8_t kPaletteReserved = 0x01;    // PC_RESERVED
constexpr uint8_t kPaletteNoCollapse = 0x04;  // PC_NOCOLLAPSE

// The colour layout of an RGBA pixel format: total colour bits and, per channel, its
// bit count and shift inside a pixel value.
struct PaletteLayout {
    int colourBits;
    int redBits, redShift;
    int greenBits, greenShift;
    int blueBits, blueShift;
};

constexpr int kStaticColourCount = 20;

// The slot each standard static colour takes in a 3-3-2 palette, in the order of the
// system's default palette.
extern const int kStandardStaticSlots[kStaticColourCount];

// Intensity (0-255) of channel value (index >> shift) for a channel of nbits bits.
// nbits outside 1-3 is a programming error.
int ChannelLevel(int index, int nbits, int shift);

// 2 to the power of the colour bits; 0 when no palette can have that many entries
// (colour bits outside 1-8).
int PaletteEntryCount(const PaletteLayout& layout);

// Red 3 bits at shift 0, green 3 bits at shift 3, blue 2 bits at shift 6.
bool IsThreeThreeTwoLayout(const PaletteLayout& layout);

// Whether building a palette for this layout places the static colours: a 256-entry
// 3-3-2 palette that does not take the static colours over.
bool PlacesStaticColours(const PaletteLayout& layout, bool bTakeOver);

// Fills count entries with the layout's ramp, each flagged PC_NOCOLLAPSE.
void FillRampEntries(const PaletteLayout& layout, PaletteColour* entries, int count);

// Puts the 20 static colours into a 256-entry 3-3-2 ramp: each goes to the first entry of
// identical colour, else to the nearest free entry (lowest index on a tie). Records each
// colour's slot in slots; the placed entries carry flags 0, all others PC_NOCOLLAPSE.
// statics are returned with flags 0.
void PlaceStaticColours(PaletteColour* entries, PaletteColour* statics, int* slots);

// The whole palette for a layout: the ramp, then with 256 entries either entries 0 and
// 255 left to the system (take-over) or the static colours placed (statics and slots
// are used only then). count must be PaletteEntryCount(layout).
void BuildPaletteEntries(const PaletteLayout& layout, bool bTakeOver, PaletteColour* statics,
                         int* slots, PaletteColour* entries, int count);

#endif
