#include "palette_static_colours.h"

#include "palette_colour_text.h"
#include "palette_system_colours.h"
#include "shell_assert.h"

namespace {

// The user's interface colours, saved at take-over and refreshed from the registry at
// give-back.
COLORREF gSavedColours[gNumStaticColors];

const char kUserColoursKey[] = "Control Panel\\Colors";

void SetSystemColours(const COLORREF* colours)
{
    INT ids[gNumStaticColors];
    for (int i = 0; i < gNumStaticColors; ++i)
        ids[i] = kSystemColourElements[i].id;
    SetSysColors(gNumStaticColors, ids, colours);
}

}  // namespace

void ReadUserColours(COLORREF* colours, int nColors)
{
    SHELL_ASSERT(nColors <= gNumStaticColors, "palette");
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kUserColoursKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return;
    for (int i = 0; i < nColors; ++i) {
        char text[64];
        DWORD type = 0;
        DWORD size = sizeof text;
        LONG rc = RegQueryValueExA(key, kSystemColourElements[i].registryName, nullptr, &type,
                                   reinterpret_cast<BYTE*>(text), &size);
        if (rc != ERROR_SUCCESS || type != REG_SZ)
            continue;
        // 64 bytes without a terminator are 64 characters: too long, like ERROR_MORE_DATA.
        if (size == sizeof text && text[sizeof text - 1] != '\0')
            continue;
        ColourTriple colour;
        if (ParseColourText(text, size, &colour))
            colours[i] = RGB(colour.red, colour.green, colour.blue);
    }
    RegCloseKey(key);
}

bool TakeOverStaticColours(SaverPalette* pPalette, HDC hdc)
{
    if (pPalette->bColorsReplaced)
        return true;
    if (SetSystemPaletteUse(hdc, SYSPAL_NOSTATIC) != SYSPAL_STATIC)
        return false;
    COLORREF replacements[gNumStaticColors];
    for (int i = 0; i < gNumStaticColors; ++i) {
        gSavedColours[i] = GetSysColor(kSystemColourElements[i].id);
        replacements[i] = kSystemColourElements[i].replacement;
    }
    // Marked first: SetSysColors calls back into the window handler, which must see the
    // colours as replaced already.
    pPalette->bColorsReplaced = true;
    SetSystemColours(replacements);
    PostMessageA(HWND_BROADCAST, WM_SYSCOLORCHANGE, 0, 0);
    return true;
}

void GiveBackStaticColours(SaverPalette* pPalette, HDC hdc)
{
    if (!pPalette->bColorsReplaced)
        return;
    ReadUserColours(gSavedColours, gNumStaticColors);
    pPalette->bColorsReplaced = false;
    SetSystemPaletteUse(hdc, SYSPAL_STATIC);
    SetSystemColours(gSavedColours);
    PostMessageA(HWND_BROADCAST, WM_SYSCOLORCHANGE, 0, 0);
}
