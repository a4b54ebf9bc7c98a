// The saver's run-time object, its run modes and the entry that dispatches on the
// command-line switch.
#ifndef SELENARIUM_SHELL_GLSCRNSV_H
#define SELENARIUM_SHELL_GLSCRNSV_H

#include <windows.h>
#include <stdint.h>

#include "scene_interface.h"

struct SaverWindow;
struct SaverPalette;

enum RunMode : int32_t {
    FullScreen = 0,
    Preview = 1,
    Windowed = 2,
    Configure = 3
};

// What the scene asked for, in pixel-format request bits (pixel_format_choice.h).
struct GlConfig {
    uint32_t requestBits;
    HGLRC hglrcShare;   // always null here
    void* pBitmapInfo;  // always null here
};

constexpr int kWindowRegistryCapacity = 10;

struct WindowRegistryEntry {
    HWND hwnd;
    SaverWindow* pssw;
};

// One per run, on the stack of the mode function; reached through g_pSaverShell.
struct SaverShell {
    SaverWindow* psswMain;   // the top window's record (the dialog's in Configure)
    SaverWindow* psswGL;     // the record holding the GL context (the same one)
    bool bActive;            // the top window was last activated
    RunMode runMode;
    SaverPalette* pPalette;  // null unless the pixel format needs a palette
    SaverContext* pssc;      // the scene's description; null in Configure
    GlConfig glConfig;
    WindowRegistryEntry registry[kWindowRegistryCapacity];
    int nRegistered;
    HBRUSH hbrBackground;    // stock black brush
    HWND hwndArgument;       // Preview: the parent window from the command line
};

// The run in progress, null outside a run.
extern SaverShell* g_pSaverShell;

// True on the Windows 9x family: enables /a and the password check.
extern bool g_bWin9x;

// The module instance every resource is loaded from.
extern HINSTANCE g_hInstance;

// Whether this system is of the Windows 9x family (defined beside the program's entry).
bool DetectWin9xFamily();

// Runs the mode the command-line tail names; returns the process exit code.
int DispatchSaverMode(HINSTANCE hInstance, const char* tail);

// The callbacks the scene registered (copied into the GL window's record).
SaverCallback RegisteredInitCallback();
SaverCallback RegisteredFrameCallback();

#endif
