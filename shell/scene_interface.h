// The contract between the screensaver shell and the scene it hosts: the scene describes
// its GL needs in a SaverContext and registers two callbacks; the shell calls them.
#ifndef SELENARIUM_SHELL_SCENE_INTERFACE_H
#define SELENARIUM_SHELL_SCENE_INTERFACE_H

#include <windows.h>
#include <stdint.h>

// Seventeen 32-bit words, zero-initialised static storage owned by the scene.
struct SaverContext {
    int32_t childWindow[4];   // optional child GL window: flag, movable, windowless, size function
    int32_t offscreen[11];    // optional off-screen bitmap: flag and its description
    int32_t doubleBuffer;     // non-zero: double-buffered pixel format
    int32_t depthRequest;     // 1: depth >= 16 bits, 2: depth >= 32 bits, else none
};
static_assert(sizeof(SaverContext) == 17 * 4, "SaverContext is seventeen 32-bit words");

typedef void (*SaverCallback)(HWND window);

// Implemented by the scene; the shell calls it once per run (not in configuration mode).
SaverContext* SceneRegister();

// Implemented by the shell; the scene calls them.
void SetInitCallback(SaverCallback callback);
void SetFrameCallback(SaverCallback callback);
bool IsPreviewMode();
HWND GetSaverWindow();

// Implemented by the configuration dialog (dialog resource 2003); the shell's dialog
// procedure hands it every message except the palette ones.
INT_PTR CALLBACK SceneConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
