// What the shell's objects expect from the rest of the program, for tests that link the
// shell without the scene, the configuration dialog or the program's entry file.
#include <windows.h>

#include "scene_interface.h"

SaverContext* SceneRegister()
{
    static SaverContext context{{}, {}, 1, 1};
    return &context;
}

INT_PTR CALLBACK SceneConfigDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}

bool DetectWin9xFamily()
{
    return false;
}
