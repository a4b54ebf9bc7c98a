#include "shell_assert.h"

#include <windows.h>
#include <stdio.h>

void ShellAssertFailed(const char* expression, const char* module)
{
    char text[256];
    snprintf(text, sizeof text, "Assertion failed: %s (%s)", expression, module);
    OutputDebugStringA(text);
    FatalAppExitA(0, text);
    ExitProcess(3);
}
