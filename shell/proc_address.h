// Looks up an export of a library loaded at run time as a typed function pointer.
#ifndef SELENARIUM_SHELL_PROC_ADDRESS_H
#define SELENARIUM_SHELL_PROC_ADDRESS_H

#include <windows.h>

template <typename Function>
Function LookUpProc(HMODULE module, const char* name)
{
    // Through the generic function type, which converts to any other without a warning.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

#endif
