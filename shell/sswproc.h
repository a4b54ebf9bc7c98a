// The saver window's procedures: start of GL and the animation timer, the closing rules of
// the full-screen run, the Windows 9x password check and the window teardown.
#ifndef SELENARIUM_SHELL_SSWPROC_H
#define SELENARIUM_SHELL_SSWPROC_H

#include <windows.h>

// Private messages of the saver window.
constexpr UINT kMsgRealizePalette = WM_USER;      // wParam: force into the background
constexpr UINT kMsgStartGL = WM_USER + 1;
constexpr UINT kMsgStartTimer = WM_USER + 2;
constexpr UINT kMsgVerifyPassword = WM_APP;       // result: the password verdict

constexpr UINT_PTR kAnimationTimerId = 1;
constexpr UINT kAnimationPeriodMs = 32;

// Class procedure of the top window in FullScreen and Preview.
LRESULT CALLBACK SaverWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Class procedure in Windowed.
LRESULT CALLBACK WindowedTestProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// The shell's procedure for configuration dialog 2003.
INT_PTR CALLBACK SaverDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The Windows 9x password verifier (PASSWORD.CPL); both do nothing elsewhere.
void LoadPasswordVerifier();
void ReleasePasswordVerifier();

#endif
