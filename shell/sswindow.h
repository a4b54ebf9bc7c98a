// The saver's windows: the per-window record, the handle registry, top window creation,
// the pixel format and GL context, the viewport, one frame and the teardown.
#ifndef SELENARIUM_SHELL_SSWINDOW_H
#define SELENARIUM_SHELL_SSWINDOW_H

#include <windows.h>
#include <stdint.h>

#include "glscrnsv.h"

struct SaverWindow {
    uint32_t flags;             // reserved, 0
    HWND hwnd;                  // null until the window exists
    int bCreatedByShell;        // 1: ended with DestroyWindow; 0: only the record is freed
    int32_t iSubWindow;         // child records without a window of their own (none here)
    int bReserved;
    SaverWindow* psswParent;
    SaverWindow* psswSibling;
    SaverWindow* psswChild;
    HDC hdc;                    // fetched once; the class owns its device context
    HGLRC hglrc;
    int32_t width;
    int32_t height;
    int32_t x;
    int32_t y;
    bool bDoubleBuffered;
    SaverCallback pfnInit;
    SaverCallback pfnFrame;
    SaverCallback pfnResize;    // the four below stay empty here
    SaverCallback pfnRepaint;
    SaverCallback pfnBounce;
    SaverCallback pfnFinish;
    void* pfnSize;              // child-window and bitmap slots, empty here
    void* pMotion;
    void* pBitmap;
    HWND hwndCallbackArg;       // passed to the callbacks; set just before the init callback
    GlConfig* pGlConfig;        // null for records that never get a GL context
};

// The window registry of the run.
void RegisterSaverWindow(SaverShell* pss, HWND hwnd, SaverWindow* pssw);
SaverWindow* FindSaverWindow(SaverShell* pss, HWND hwnd);
void UnregisterSaverWindow(SaverShell* pss, HWND hwnd);

// Records. Both return null when memory runs out.
SaverWindow* NewWindowRecord(int width, int height);
SaverWindow* RecordForExistingWindow(HWND hwnd);
void FreeWindowRecord(SaverWindow* pssw);

// Creates the run's top-level window; sets psswMain. False ends the run.
bool CreateTopWindow(SaverShell* pss);

// Device context and GL context for the record, made when missing.
bool EnsureGL(SaverWindow* pssw);

void ResizeSaverWindow(SaverWindow* pssw, int width, int height);
void DrawSaverFrame(SaverWindow* pssw);
void TeardownSaverWindow(SaverWindow* pssw);

// Pixel format for the device context and request bits: the format index or 0.
int ChooseSaverPixelFormat(HDC hdc, uint32_t requestBits);
// Up to five attempts a second apart; describes the format into *ppfd when given.
bool SetSaverPixelFormat(HDC hdc, uint32_t requestBits, PIXELFORMATDESCRIPTOR* ppfd);

#endif
