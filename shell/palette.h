// The logical palette the saver keeps when its pixel format needs one (displays with
// 256 colours or fewer). On deeper displays no SaverPalette exists and the window
// procedures answer the palette messages with 0.
#ifndef SELENARIUM_SHELL_PALETTE_H
#define SELENARIUM_SHELL_PALETTE_H

#include <windows.h>

// Handles WM_ACTIVATE, WM_SYSCOLORCHANGE, WM_QUERYNEWPALETTE, WM_PALETTECHANGED and
// WM_USER for the saver window (or the configuration dialog).
typedef LRESULT (*PaletteHandler)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// At most one per run, held by SaverShell; created with the GL context, freed at teardown.
struct SaverPalette {
    HPALETTE hPal;                 // the logical palette
    bool bTakeOver;                // takes the system palette's static colours over
    bool bFullScreen;              // the run mode is FullScreen
    bool bFlushPending;            // the next realisation clears the system palette first
    bool bColorsReplaced;          // static colours off, system colours replaced
    UINT uSavedPaletteUse;         // GetSystemPaletteUse at creation (take-over only)
    PIXELFORMATDESCRIPTOR pfd;     // copy of the chosen format's descriptor
    PaletteHandler pfnHandler;     // set by the creator: full-screen or window handler
    HWND hwnd;                     // window and device context last realised for
    HDC hdc;
    int nEntries;                  // 2 to the power of the format's colour bits
};

// Builds the palette for the pixel format; null when no palette is made.
SaverPalette* CreateSaverPalette(HDC hdc, const PIXELFORMATDESCRIPTOR* ppfd, bool bFullScreen);

// Selects and realises the palette for the window: RealizePalette's result, 1, or -1.
int RealizePaletteForWindow(SaverPalette* pPalette, HWND window, HDC hdc, bool bForceBackground);

// The two message handlers the creator chooses between (FullScreen / Preview and Windowed).
LRESULT PaletteFullScreenHandler(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT PaletteWindowHandler(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Hands a palette message to the palette's handler; 0 when there is no palette.
LRESULT PaletteHandleMessage(SaverPalette* pPalette, HWND window, UINT message,
                             WPARAM wParam, LPARAM lParam);

// Builds a new palette after a system colour change; keeps the old one on failure.
void RebuildSaverPalette(SaverPalette* pPalette);

// Gives the system palette back, deletes the palette and frees the object; hdc is the
// saver window's device context, still valid at this point.
void TeardownSaverPalette(SaverPalette* pPalette, HDC hdc);

#endif
