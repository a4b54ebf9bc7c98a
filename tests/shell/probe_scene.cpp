// A scene for the shell's end-to-end tests: it clears to the sky colour like the real one
// and writes what the shell showed it to the file named by SELENARIUM_PROBE_LOG.
#include <windows.h>
#include <GL/gl.h>
#include <stdio.h>
#include <stdlib.h>

#include "shell/scene_interface.h"

namespace {

SaverContext g_probeContext;
int g_frames = 0;

void ProbeLog(const char* format, ...)
{
    const char* path = getenv("SELENARIUM_PROBE_LOG");
    if (path == nullptr || *path == 0)
        return;
    FILE* f = fopen(path, "a");
    if (f == nullptr)
        return;
    va_list args;
    va_start(args, format);
    vfprintf(f, format, args);
    va_end(args);
    fputc('\n', f);
    fclose(f);
}

unsigned long long HandleNumber(HWND hwnd)
{
    return static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(hwnd));
}

const char* ClassCursorName(HWND hwnd)
{
    HCURSOR cursor = reinterpret_cast<HCURSOR>(GetClassLongPtrA(hwnd, GCLP_HCURSOR));
    if (cursor == nullptr)
        return "none";
    return cursor == LoadCursor(nullptr, IDC_ARROW) ? "arrow" : "other";
}

void ProbeInit(HWND hwnd)
{
    ProbeLog("init priority=0x%lX preview=%d window_matches=%d class_cursor=%s",
             static_cast<unsigned long>(GetPriorityClass(GetCurrentProcess())),
             IsPreviewMode() ? 1 : 0, GetSaverWindow() == hwnd ? 1 : 0, ClassCursorName(hwnd));
}

// Logs each change of the cursor the saver's thread shows (null: hidden).
void ProbeCursor()
{
    static int lastHidden = -1;
    int hidden = GetCursor() == nullptr ? 1 : 0;
    if (hidden != lastHidden)
        ProbeLog("cursor hidden=%d", hidden);
    lastHidden = hidden;
}

void ProbeFrame(HWND hwnd)
{
    glClearColor(5.0f / 255.0f, 10.0f / 255.0f, 30.0f / 255.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glFlush();
    ++g_frames;
    // Lets a test crash the run on purpose: a write through a null pointer once the file
    // named by SELENARIUM_PROBE_CRASH_FILE exists.
    const char* crashFile = getenv("SELENARIUM_PROBE_CRASH_FILE");
    if (crashFile && *crashFile && GetFileAttributesA(crashFile) != INVALID_FILE_ATTRIBUTES) {
        ProbeLog("crashing");
        *static_cast<volatile int*>(nullptr) = 1;
    }
    ProbeCursor();
    if (g_frames == 1) {
        GLint viewport[4] = {0, 0, 0, 0};
        glGetIntegerv(GL_VIEWPORT, viewport);
        ProbeLog("frame priority=0x%lX viewport=%d,%d,%d,%d window_matches=%d",
                 static_cast<unsigned long>(GetPriorityClass(GetCurrentProcess())), viewport[0],
                 viewport[1], viewport[2], viewport[3], GetSaverWindow() == hwnd ? 1 : 0);
    } else if (g_frames % 16 == 0) {
        ProbeLog("frames=%d", g_frames);
    }
}

}  // namespace

SaverContext* SceneRegister()
{
    g_probeContext.doubleBuffer = 1;
    g_probeContext.depthRequest = 1;
    SetInitCallback(ProbeInit);
    SetFrameCallback(ProbeFrame);
    ProbeLog("register");
    // Lets a test start the run at a class of its choice (Wine ignores it at process start).
    const char* priority = getenv("SELENARIUM_PROBE_PRIORITY");
    if (priority && *priority)
        SetPriorityClass(GetCurrentProcess(), strtoul(priority, nullptr, 0));
    return &g_probeContext;
}

INT_PTR CALLBACK SceneConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        ProbeLog("dialog owner=%llu", HandleNumber(GetWindow(dialog, GW_OWNER)));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}
