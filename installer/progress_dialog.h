// The progress dialog: seeds the settings, writes the payload, runs the unpacking worker
// and reports the outcome.
#ifndef SELENARIUM_PROGRESS_DIALOG_H
#define SELENARIUM_PROGRESS_DIALOG_H

#include <windows.h>

// Window timers of the progress dialog.
constexpr UINT_PTR ProgressAnimationTimer = 1;  // moves the bar while the picture unpacks
constexpr UINT_PTR ProgressExtractTimer = 2;    // writes the payload files once
constexpr UINT_PTR ProgressUnpackTimer = 3;     // starts the unpacking worker once

INT_PTR CALLBACK ProgressDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
