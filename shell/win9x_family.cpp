// Which Windows family the saver runs on. A test build compiles this file with
// SELENARIUM_TEST_FORCE_WIN9X to exercise the Windows 9x paths on another system; the
// shipped program never defines it.
#include "glscrnsv.h"

#include <string.h>

bool DetectWin9xFamily()
{
#ifdef SELENARIUM_TEST_FORCE_WIN9X
    return true;
#else
    OSVERSIONINFOA info;
    memset(&info, 0, sizeof info);
    info.dwOSVersionInfoSize = sizeof info;
    return GetVersionExA(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
#endif
}
