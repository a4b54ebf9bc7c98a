// A stand-in configuration dialog, linked only while the real one is absent: dialog 2003
// closes with OK or Cancel and changes nothing.
#include <windows.h>

#include "shell/scene_interface.h"

INT_PTR CALLBACK SceneConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
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
