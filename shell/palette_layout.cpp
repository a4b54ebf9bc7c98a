#include "palette_layout.h"

#include "palette_assert.h"

namespace {

// Intensity levels per channel width, indexed by the channel value.
const uint8_t kOneBitLevels[2] = {0, 255};
const uint8_t kTwoBitLevels[4] = {0, 116, 191, 255};
const uint8_t kThreeBitLevels[8] = {0, 63, 104, 139, 171, 200, 229, 255};

// Marks entries already paired while the static colours are placed.
constexpr uint8_t kTaken = 1;

int SquaredDistance(const PaletteColour& a, const PaletteColour& b)
{
    int dr = a.peRed - b.peRed;
    int dg = a.peGreen - b.peGreen;
    int db = a.peBlue - b.peBlue;
    return dr * dr + dg * dg + db * db;
}

bool SameColour(const PaletteColour& a, const PaletteColour& b)
{
    return a.peRed == b.peRed && a.peGreen == b.peGreen && a.peBlue == b.peBlue;
}

}  // namespace

const int kStandardStaticSlots[kStaticColourCount] = {
    0, 3, 24, 27, 64, 67, 88, 173, 181, 236, 247, 164, 91, 7, 56, 63, 192, 199, 248, 255};

int ChannelLevel(int index, int nbits, int shift)
{
    PALETTE_ASSERT(nbits >= 1 && nbits <= 3);
    int value = (index >> shift) & ((1 << nbits) - 1);
    switch (nbits) {
    case 1: return kOneBitLevels[value];
    case 2: return kTwoBitLevels[value];
    default: return kThreeBitLevels[value];
    }
}

int PaletteEntryCount(const PaletteLayout& layout)
{
    if (layout.colourBits < 1 || layout.colourBits > 8)
        return 0;
    return 1 << layout.colourBits;
}

bool IsThreeThreeTwoLayout(const PaletteLayout& layout)
{
    return layout.redBits == 3 && layout.redShift == 0 &&
           layout.greenBits == 3 && layout.greenShift == 3 &&
           layout.blueBits == 2 && layout.blueShift == 6;
}

bool PlacesStaticColours(const PaletteLayout& layout, bool bTakeOver)
{
    return PaletteEntryCount(layout) == 256 && !bTakeOver && IsThreeThreeTwoLayout(layout);
}

void FillRampEntries(const PaletteLayout& layout, PaletteColour* entries, int count)
{
    for (int i = 0; i < count; ++i) {
        entries[i].peRed = static_cast<uint8_t>(ChannelLevel(i, layout.redBits, layout.redShift));
        entries[i].peGreen = static_cast<uint8_t>(ChannelLevel(i, layout.greenBits, layout.greenShift));
        entries[i].peBlue = static_cast<uint8_t>(ChannelLevel(i, layout.blueBits, layout.blueShift));
        entries[i].peFlags = kPaletteNoCollapse;
    }
}

void PlaceStaticColours(PaletteColour* entries, PaletteColour* statics, int* slots)
{
    // The flag bytes serve as "taken" marks until the colours are copied in.
    for (int i = 0; i < kStaticColourCount; ++i)
        statics[i].peFlags = 0;
    for (int j = 0; j < 256; ++j)
        entries[j].peFlags = 0;

    // Exact pass: a static colour the ramp already holds takes that entry.
    for (int i = 0; i < kStaticColourCount; ++i) {
        PaletteColour* peStatic = &statics[i];
        for (int j = 0; j < 256; ++j) {
            PaletteColour* pe332 = &entries[j];
            if (!SameColour(*peStatic, *pe332))
                continue;
            PALETTE_ASSERT(pe332->peFlags != 1);
            pe332->peFlags = kTaken;
            peStatic->peFlags = kTaken;
            slots[i] = j;
            break;
        }
    }

    // Nearest pass: the others take the closest entry still free.
    for (int i = 0; i < kStaticColourCount; ++i) {
        PaletteColour* peStatic = &statics[i];
        if (peStatic->peFlags == kTaken)
            continue;
        int iMinEntry = -1;
        int minDistance = 0x30001;  // above 3 * 255 * 255, so some entry always wins
        for (int j = 0; j < 256; ++j) {
            if (entries[j].peFlags == kTaken)
                continue;
            int distance = SquaredDistance(*peStatic, entries[j]);
            if (distance < minDistance) {
                minDistance = distance;
                iMinEntry = j;
            }
        }
        PALETTE_ASSERT(iMinEntry != -1);
        entries[iMinEntry].peFlags = kTaken;
        peStatic->peFlags = kTaken;
        slots[i] = iMinEntry;
    }

    for (int i = 0; i < kStaticColourCount; ++i)
        statics[i].peFlags = 0;
    for (int j = 0; j < 256; ++j)
        entries[j].peFlags = kPaletteNoCollapse;
    for (int i = 0; i < kStaticColourCount; ++i)
        entries[slots[i]] = statics[i];
}

void BuildPaletteEntries(const PaletteLayout& layout, bool bTakeOver, PaletteColour* statics,
                         int* slots, PaletteColour* entries, int count)
{
    FillRampEntries(layout, entries, count);
    if (count != 256)
        return;
    if (bTakeOver) {
        // Black and white stay the system's own colours.
        entries[0].peFlags = 0;
        entries[255].peFlags = 0;
    } else if (IsThreeThreeTwoLayout(layout)) {
        PlaceStaticColours(entries, statics, slots);
    }
}
