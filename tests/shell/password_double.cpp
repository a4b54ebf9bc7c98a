// Test double of the Windows 9x PASSWORD.CPL: VerifyScreenSavePwd answers from the list
// of verdicts in SELENARIUM_PASSWORD_VERDICTS ("0" refuse, "1" accept; one character per
// call, the last repeating) and logs each call to SELENARIUM_DOUBLE_LOG. With
// SELENARIUM_PASSWORD_POST_KEY=1 a refusal is followed at once by a key press, as when the
// user types on right after closing the dialog.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int g_calls = 0;

extern "C" __declspec(dllexport) BOOL WINAPI VerifyScreenSavePwd(HWND hwnd)
{
    const char* verdicts = getenv("SELENARIUM_PASSWORD_VERDICTS");
    if (verdicts == nullptr || *verdicts == 0)
        verdicts = "0";
    size_t length = strlen(verdicts);
    size_t index = static_cast<size_t>(g_calls) < length ? static_cast<size_t>(g_calls) : length - 1;
    BOOL accept = verdicts[index] == '1';
    ++g_calls;

    CURSORINFO cursor;
    memset(&cursor, 0, sizeof cursor);
    cursor.cbSize = sizeof cursor;
    GetCursorInfo(&cursor);
    const char* log = getenv("SELENARIUM_DOUBLE_LOG");
    if (log) {
        FILE* f = fopen(log, "a");
        if (f) {
            fprintf(f, "VerifyScreenSavePwd call=%d hwnd=%llu verdict=%d\n", g_calls,
                    static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(hwnd)),
                    accept ? 1 : 0);
            fclose(f);
        }
    }
    const char* postKey = getenv("SELENARIUM_PASSWORD_POST_KEY");
    if (!accept && postKey && strcmp(postKey, "1") == 0)
        PostMessageA(hwnd, WM_KEYDOWN, VK_SPACE, 0);
    return accept;
}
