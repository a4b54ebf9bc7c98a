// Test double of MPR.DLL: PwdChangePasswordA logs its arguments to SELENARIUM_DOUBLE_LOG.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>

extern "C" __declspec(dllexport) DWORD WINAPI PwdChangePasswordA(LPCSTR provider, HWND hwnd,
                                                                 DWORD reserved1, DWORD reserved2)
{
    const char* log = getenv("SELENARIUM_DOUBLE_LOG");
    if (log) {
        FILE* f = fopen(log, "a");
        if (f) {
            fprintf(f, "PwdChangePasswordA provider=%s hwnd=%llu args=%lu,%lu\n",
                    provider ? provider : "(null)",
                    static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(hwnd)),
                    static_cast<unsigned long>(reserved1), static_cast<unsigned long>(reserved2));
            fclose(f);
        }
    }
    return 0;
}
