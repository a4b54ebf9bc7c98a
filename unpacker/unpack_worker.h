// The installer's unpacking thread: turns "moon_1024x1024.pack" in the install folder
// into "moon_2048x1024.bmp", deletes the packed file and reports to the progress dialog.
#ifndef SELENARIUM_UNPACKER_UNPACK_WORKER_H
#define SELENARIUM_UNPACKER_UNPACK_WORKER_H

#include <windows.h>

enum {
    kUnpackAnimationTimer = 1,   // progress dialog timer the worker stops
    kUnpackProgressBar = 1025,   // progress bar the worker sets to 100
    kUnpackOutcomeCommand = 1,   // WM_COMMAND id; lParam carries the outcome (1 or 0)
};

// Fixes what the worker reads before the thread starts: the install folder (ending with
// a backslash) and whether every payload file was written.
void SetUnpackWorkerInput(const char* installFolder, bool extractionSucceeded);

// Thread procedure; `dialogWindow` is the progress dialog's HWND. Stops timer 1, sets the
// progress bar to 100, hides the dialog and sends it WM_COMMAND(1) with lParam 1 when the
// extraction and the unpacking both succeeded, else 0. Returns 0.
DWORD WINAPI UnpackWorker(LPVOID dialogWindow);

#endif
