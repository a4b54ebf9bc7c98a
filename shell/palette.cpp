// The saver's logical palette on displays of 256 colours or fewer: building it from the
// pixel format, sharing or taking over the system palette's static colours, realising it
// on activation and palette messages, and giving everything back at teardown.
#include "palette.h"

#include <stdlib.h>
#include <string.h>

#include <new>

#include "glscrnsv.h"
#include "palette_layout.h"
#include "palette_static_colours.h"
#include "shell_assert.h"
#include "sswindow.h"

namespace {

// The stock default palette's 20 colours, and the slot each was given in the last palette
// built (kStandardStaticSlots with the stock colours).
PaletteColour gStaticColours[kStaticColourCount];
int gStaticSlots[kStaticColourCount];

// Until the creator chooses a handler, palette messages are answered with 0.
LRESULT NoPaletteHandler(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}

SaverPalette* CurrentPalette()
{
    return g_pSaverShell ? g_pSaverShell->pPalette : nullptr;
}

SaverWindow* RecordFor(HWND window)
{
    return g_pSaverShell ? FindSaverWindow(g_pSaverShell, window) : nullptr;
}

PaletteLayout LayoutOf(const PIXELFORMATDESCRIPTOR& pfd)
{
    return PaletteLayout{pfd.cColorBits, pfd.cRedBits,  pfd.cRedShift, pfd.cGreenBits,
                         pfd.cGreenShift, pfd.cBlueBits, pfd.cBlueShift};
}

LOGPALETTE* AllocateLogPalette(int count)
{
    size_t size = sizeof(LOGPALETTE) + (count - 1) * sizeof(PALETTEENTRY);
    LOGPALETTE* plp = static_cast<LOGPALETTE*>(calloc(1, size));
    if (plp) {
        plp->palVersion = 0x300;
        plp->palNumEntries = static_cast<WORD>(count);
    }
    return plp;
}

// Copies the stock default palette's 20 colours into gStaticColours.
void ReadStaticColours()
{
    HPALETTE hpalStock = static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
    SHELL_ASSERT(hpalStock != 0, "palette");
    SHELL_ASSERT(GetPaletteEntries(hpalStock, 0, 0, 0) == 20, "palette");
    PALETTEENTRY stock[kStaticColourCount];
    GetPaletteEntries(hpalStock, 0, kStaticColourCount, stock);
    for (int i = 0; i < kStaticColourCount; ++i)
        gStaticColours[i] = PaletteColour{stock[i].peRed, stock[i].peGreen, stock[i].peBlue, 0};
}

// A new logical palette for the object's pixel format; null on failure.
HPALETTE BuildPalette(SaverPalette* pPalette)
{
    PaletteLayout layout = LayoutOf(pPalette->pfd);
    int n = PaletteEntryCount(layout);
    if (n == 0)
        return nullptr;
    pPalette->nEntries = n;

    PaletteColour* entries = static_cast<PaletteColour*>(calloc(n, sizeof(PaletteColour)));
    LOGPALETTE* plp = AllocateLogPalette(n);
    HPALETTE hPal = nullptr;
    if (entries && plp) {
        if (PlacesStaticColours(layout, pPalette->bTakeOver))
            ReadStaticColours();
        BuildPaletteEntries(layout, pPalette->bTakeOver, gStaticColours, gStaticSlots, entries, n);
        for (int i = 0; i < n; ++i) {
            plp->palPalEntry[i].peRed = entries[i].peRed;
            plp->palPalEntry[i].peGreen = entries[i].peGreen;
            plp->palPalEntry[i].peBlue = entries[i].peBlue;
            plp->palPalEntry[i].peFlags = entries[i].peFlags;
        }
        hPal = CreatePalette(plp);
    }
    free(plp);
    free(entries);
    return hPal;
}

// Clears the system palette by realising 256 reserved black entries once.
void FlushSystemPalette(SaverPalette* pPalette, HDC hdc)
{
    if (pPalette->nEntries != 256)
        return;
    LOGPALETTE* plp = AllocateLogPalette(256);
    if (plp == nullptr)
        return;
    for (int i = 0; i < 256; ++i)
        plp->palPalEntry[i].peFlags = PC_RESERVED | PC_NOCOLLAPSE;
    HPALETTE hpalBlack = CreatePalette(plp);
    free(plp);
    if (hpalBlack == nullptr)
        return;
    HPALETTE hpalPrevious = SelectPalette(hdc, hpalBlack, FALSE);
    RealizePalette(hdc);
    if (hpalPrevious)
        SelectPalette(hdc, hpalPrevious, FALSE);
    DeleteObject(hpalBlack);
}

// Selects the palette afresh and realises it; -1 when unrealising or selecting fails.
int SelectAndRealise(SaverPalette* pPalette, HDC hdc, BOOL bBackground)
{
    if (!UnrealizeObject(pPalette->hPal))
        return -1;
    if (SelectPalette(hdc, pPalette->hPal, bBackground) == nullptr)
        return -1;
    return static_cast<int>(RealizePalette(hdc));
}

}  // namespace

SaverPalette* CreateSaverPalette(HDC hdc, const PIXELFORMATDESCRIPTOR* ppfd, bool bFullScreen)
{
    if (ppfd == nullptr)
        return nullptr;
    SaverPalette* pPalette = new (std::nothrow) SaverPalette;
    if (pPalette == nullptr)
        return nullptr;
    memset(pPalette, 0, sizeof *pPalette);
    pPalette->pfd = *ppfd;
    pPalette->hdc = hdc;
    pPalette->bFullScreen = bFullScreen;
    pPalette->pfnHandler = NoPaletteHandler;
    if (bFullScreen) {
        pPalette->bFlushPending = false;
        pPalette->bTakeOver = true;
    } else {
        pPalette->bFlushPending = true;
        pPalette->bTakeOver = (ppfd->dwFlags & PFD_NEED_SYSTEM_PALETTE) != 0;
    }
    if (pPalette->bTakeOver)
        pPalette->uSavedPaletteUse = GetSystemPaletteUse(hdc);

    HPALETTE hPal = BuildPalette(pPalette);
    SHELL_ASSERT(hPal, "palette");
    pPalette->hPal = hPal;
    return pPalette;
}

int RealizePaletteForWindow(SaverPalette* pPalette, HWND window, HDC hdc, bool bForceBackground)
{
    if (pPalette == nullptr)
        return 0;
    pPalette->hwnd = window;
    pPalette->hdc = hdc;

    if (pPalette->bFullScreen) {
        SetSystemPaletteUse(hdc, SYSPAL_NOSTATIC);
        SelectPalette(hdc, pPalette->hPal, bForceBackground);
        RealizePalette(hdc);
        return 1;
    }

    if (pPalette->bFlushPending) {
        FlushSystemPalette(pPalette, hdc);
        pPalette->bFlushPending = false;
    }

    if (pPalette->bTakeOver) {
        if (bForceBackground) {
            GiveBackStaticColours(pPalette, hdc);
            return SelectAndRealise(pPalette, hdc, TRUE);
        }
        bool bTaken = TakeOverStaticColours(pPalette, hdc);
        return SelectAndRealise(pPalette, hdc, bTaken ? FALSE : TRUE);
    }

    // The system treats the palette as a background one while the window is inactive.
    if (SelectPalette(hdc, pPalette->hPal, FALSE) == nullptr)
        return -1;
    return static_cast<int>(RealizePalette(hdc));
}

LRESULT PaletteFullScreenHandler(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    SaverPalette* pPalette = CurrentPalette();
    if (pPalette == nullptr)
        return 0;
    SaverWindow* pssw = RecordFor(window);
    switch (message) {
    case WM_ACTIVATE:
        if (pPalette->bTakeOver && pssw && pssw->hdc)
            SetSystemPaletteUse(pssw->hdc, wParam ? SYSPAL_NOSTATIC : pPalette->uSavedPaletteUse);
        SendMessageA(window, WM_USER, wParam, 0);
        return 0;
    case WM_USER:
        if (pssw && pssw->hdc) {
            UnrealizeObject(pPalette->hPal);
            RealizePalette(pssw->hdc);
        }
        return 0;
    default:
        return 0;
    }
}

LRESULT PaletteWindowHandler(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    SaverPalette* pPalette = CurrentPalette();
    if (pPalette == nullptr)
        return 0;
    WPARAM inactive = g_pSaverShell->bActive ? 0 : 1;
    switch (message) {
    case WM_ACTIVATE:
        SendMessageA(window, WM_USER, inactive, 0);
        return 0;
    case WM_SYSCOLORCHANGE:
        RebuildSaverPalette(pPalette);
        SendMessageA(window, WM_USER, inactive, 0);
        return 0;
    case WM_QUERYNEWPALETTE:
        if (g_pSaverShell->runMode == Windowed)
            return 1;
        SendMessageA(window, WM_USER, inactive, 0);
        return 0;
    case WM_PALETTECHANGED:
        if (reinterpret_cast<HWND>(wParam) == window || g_pSaverShell->bActive)
            return 0;
        SendMessageA(window, WM_USER, 1, 0);
        return 0;
    case WM_USER: {
        SaverWindow* pssw = RecordFor(window);
        if (pssw && pssw->hglrc)
            RealizePaletteForWindow(pPalette, pssw->hwnd, pssw->hdc, wParam != 0);
        return 0;
    }
    default:
        return 0;
    }
}

LRESULT PaletteHandleMessage(SaverPalette* pPalette, HWND window, UINT message,
                             WPARAM wParam, LPARAM lParam)
{
    if (pPalette == nullptr || pPalette->pfnHandler == nullptr)
        return 0;
    return pPalette->pfnHandler(window, message, wParam, lParam);
}

void RebuildSaverPalette(SaverPalette* pPalette)
{
    if (pPalette == nullptr || pPalette->bFullScreen)
        return;
    HPALETTE hPal = BuildPalette(pPalette);
    if (hPal == nullptr)
        return;
    // The old palette may still be selected into the window's device context, and a
    // selected palette cannot be deleted: step it out first.
    if (pPalette->hdc)
        SelectPalette(pPalette->hdc, static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), TRUE);
    DeleteObject(pPalette->hPal);
    pPalette->hPal = hPal;
    pPalette->bFlushPending = true;
}

void TeardownSaverPalette(SaverPalette* pPalette, HDC hdc)
{
    if (pPalette == nullptr)
        return;
    // Giving the colours back sends WM_SYSCOLORCHANGE to this window at once; a palette
    // being torn down must not answer it by taking them over again.
    pPalette->pfnHandler = NoPaletteHandler;
    if (pPalette->bTakeOver) {
        // A window closed while it held the static colours returns the user's colours too.
        if (hdc)
            GiveBackStaticColours(pPalette, hdc);
        if (pPalette->uSavedPaletteUse != 0 && hdc)
            SetSystemPaletteUse(hdc, pPalette->uSavedPaletteUse);
        PostMessageA(HWND_BROADCAST, WM_SYSCOLORCHANGE, 0, 0);
    }
    if (pPalette->hPal) {
        if (hdc)
            SelectPalette(hdc, static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), TRUE);
        DeleteObject(pPalette->hPal);
    }
    if (g_pSaverShell && g_pSaverShell->pPalette == pPalette)
        g_pSaverShell->pPalette = nullptr;
    delete pPalette;
}
