// Until palettised displays are handled, no palette is ever created: every operation
// answers as "no palette exists".
#include "palette.h"

SaverPalette* CreateSaverPalette(HDC, const PIXELFORMATDESCRIPTOR*, bool)
{
    return nullptr;
}

int RealizePaletteForWindow(SaverPalette*, HWND, HDC, bool)
{
    return 0;
}

LRESULT PaletteFullScreenHandler(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}

LRESULT PaletteWindowHandler(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}

LRESULT PaletteHandleMessage(SaverPalette* pPalette, HWND window, UINT message,
                             WPARAM wParam, LPARAM lParam)
{
    if (pPalette == nullptr || pPalette->pfnHandler == nullptr)
        return 0;
    return pPalette->pfnHandler(window, message, wParam, lParam);
}

void RebuildSaverPalette(SaverPalette*)
{
}

void TeardownSaverPalette(SaverPalette*, HDC)
{
}
