// The 25 system interface colours (scroll bar to tooltip background) that a windowed
// take-over of the static colours replaces by black and white, with the value names the
// user's own colours have under "Control Panel\Colors".
#ifndef SELENARIUM_SHELL_PALETTE_SYSTEM_COLOURS_H
#define SELENARIUM_SHELL_PALETTE_SYSTEM_COLOURS_H

#include <stdint.h>

constexpr int gNumStaticColors = 25;

// Palette-relative colour values (0x02bbggrr): they map onto entries 255 and 0.
constexpr uint32_t kPaletteRelativeWhite = 0x02FFFFFF;
constexpr uint32_t kPaletteRelativeBlack = 0x02000000;

struct SystemColourElement {
    int id;                    // the system colour index, 0-24
    const char* registryName;  // value name under "Control Panel\Colors"
    uint32_t replacement;      // colour while the static colours are taken over
};

extern const SystemColourElement kSystemColourElements[gNumStaticColors];

#endif
