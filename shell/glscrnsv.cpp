// Process entry, run modes and the scene registration calls of the saver.
#include "glscrnsv.h"

#include <stdlib.h>
#include <string.h>

#include "command_line.h"
#include "pixel_format_choice.h"
#include "proc_address.h"
#include "shell_assert.h"
#include "sswindow.h"
#include "sswproc.h"

SaverShell* g_pSaverShell = nullptr;
bool g_bWin9x = false;
HINSTANCE g_hInstance = nullptr;

static SaverCallback s_pfnInitCallback = nullptr;
static SaverCallback s_pfnFrameCallback = nullptr;

constexpr UINT kSpiScreenSaverRunning = 97;

void SetInitCallback(SaverCallback callback)
{
    s_pfnInitCallback = callback;
}

void SetFrameCallback(SaverCallback callback)
{
    s_pfnFrameCallback = callback;
    if (g_pSaverShell && g_pSaverShell->psswGL)
        g_pSaverShell->psswGL->pfnFrame = callback;
}

SaverCallback RegisteredInitCallback()
{
    return s_pfnInitCallback;
}

SaverCallback RegisteredFrameCallback()
{
    return s_pfnFrameCallback;
}

bool IsPreviewMode()
{
    return g_pSaverShell != nullptr && g_pSaverShell->runMode == Preview;
}

HWND GetSaverWindow()
{
    if (g_pSaverShell == nullptr || g_pSaverShell->psswGL == nullptr)
        return nullptr;
    return g_pSaverShell->psswGL->hwnd;
}

// Prepares a SaverShell whose mode, argument and empty registry the caller has set.
static void ConstructSaverShell(SaverShell* pss)
{
    pss->psswMain = nullptr;
    pss->psswGL = nullptr;
    pss->pPalette = nullptr;
    pss->pssc = nullptr;
    pss->bActive = false;
    g_pSaverShell = pss;

    SYSTEMTIME now;
    GetSystemTime(&now);
    srand(now.wMilliseconds);
    for (int i = 0; i < 10; ++i)
        rand();

    pss->hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    if (pss->runMode == Configure)
        return;

    SaverContext* pssc = SceneRegister();
    SHELL_ASSERT(pssc, "glscrnsv");
    pss->pssc = pssc;
    pss->glConfig.requestBits = GlRequestBits(pssc->doubleBuffer, pssc->depthRequest);
    pss->glConfig.hglrcShare = nullptr;
    pss->glConfig.pBitmapInfo = nullptr;
}

// Ends whatever is left of the top window when the message loop did not.
static void DestroyRemainingWindow(SaverShell* pss)
{
    SaverWindow* pssw = pss->psswMain;
    if (pssw == nullptr)
        return;
    if (pssw->bCreatedByShell && pssw->hwnd && IsWindow(pssw->hwnd)) {
        DestroyWindow(pssw->hwnd);
        if (pss->psswMain == nullptr)
            return;
    }
    pssw = pss->psswMain;
    pss->psswMain = nullptr;
    pss->psswGL = nullptr;
    TeardownSaverWindow(pssw);
    FreeWindowRecord(pssw);
}

static int RunSaver(RunMode mode, HWND hwndArgument)
{
    SaverShell shell;
    memset(&shell, 0, sizeof shell);
    shell.runMode = mode;
    shell.hwndArgument = hwndArgument;
    ConstructSaverShell(&shell);

    WPARAM result = 0;
    if (CreateTopWindow(&shell)) {
        shell.psswGL = shell.psswMain;
        shell.psswGL->pGlConfig = &shell.glConfig;
        MSG msg = {};
        while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        result = msg.wParam;
    }

    ReleasePasswordVerifier();
    DestroyRemainingWindow(&shell);
    g_pSaverShell = nullptr;
    return static_cast<int>(result);
}

static int RunConfigure(HWND hwndParent)
{
    SaverShell shell;
    memset(&shell, 0, sizeof shell);
    shell.runMode = Configure;
    ConstructSaverShell(&shell);

    // A Unicode dialog: an ANSI edit field keeps its text in the system code page, which
    // would turn the Russian city names into question marks on a Western Windows.
    INT_PTR result = DialogBoxParamW(g_hInstance, MAKEINTRESOURCEW(2003), hwndParent,
                                     SaverDialogProc, 0);
    if (shell.psswMain) {
        SaverWindow* pssw = shell.psswMain;
        shell.psswMain = nullptr;
        TeardownSaverWindow(pssw);
        FreeWindowRecord(pssw);
    }
    g_pSaverShell = nullptr;
    return static_cast<int>(result);
}

typedef DWORD(WINAPI* PwdChangePasswordFn)(LPCSTR provider, HWND hwnd, DWORD, DWORD);

static int ChangePassword(const char* rest)
{
    HWND hwnd = reinterpret_cast<HWND>(static_cast<UINT_PTR>(ReadDecimalNumber(rest, nullptr)));
    if (hwnd == nullptr || !IsWindow(hwnd))
        hwnd = GetForegroundWindow();
    HMODULE mpr = LoadLibraryA("MPR.DLL");
    if (mpr == nullptr)
        return 0;
    PwdChangePasswordFn change = LookUpProc<PwdChangePasswordFn>(mpr, "PwdChangePasswordA");
    if (change)
        change("SCRSAVE", hwnd, 0, 0);
    FreeLibrary(mpr);
    return 0;
}

static int RunSwitch(const char* tail)
{
    SaverSwitch sw = ParseSaverSwitch(tail, g_bWin9x);
    switch (sw.action) {
    case ActionConfigureNoParent:
        return RunConfigure(nullptr);
    case ActionConfigureForeground:
        return RunConfigure(GetForegroundWindow());
    case ActionPreview: {
        HWND parent = reinterpret_cast<HWND>(static_cast<UINT_PTR>(sw.number));
        if (!IsWindow(parent))
            return -1;
        return RunSaver(Preview, parent);
    }
    case ActionFullScreen:
        return RunSaver(FullScreen, nullptr);
    case ActionWindowed:
        return RunSaver(Windowed, nullptr);
    case ActionChangePassword:
        return ChangePassword(sw.rest);
    case ActionInvalid:
        break;
    }
    return -1;
}

// A crash must not leave the Windows 9x system believing a saver still runs. MinGW has no
// structured exception blocks, so the guard is the process-wide unhandled-exception filter.
// The filter found at start is the C runtime's, which resumes only exceptions it has a
// signal handler for and passes every other one on: any answer but "continue" ends the
// process, so the setting goes off then, and the system's own crash handling still runs.
static LPTOP_LEVEL_EXCEPTION_FILTER s_previousFilter = nullptr;

static LONG WINAPI SaverExceptionFilter(EXCEPTION_POINTERS* info)
{
    LONG verdict = s_previousFilter ? s_previousFilter(info) : EXCEPTION_CONTINUE_SEARCH;
    if (verdict != EXCEPTION_CONTINUE_EXECUTION && g_bWin9x)
        SystemParametersInfoA(kSpiScreenSaverRunning, 0, nullptr, 0);
    return verdict;
}

int DispatchSaverMode(HINSTANCE hInstance, const char* tail)
{
    g_hInstance = hInstance;
    g_bWin9x = DetectWin9xFamily();
    s_previousFilter = SetUnhandledExceptionFilter(SaverExceptionFilter);
    return RunSwitch(tail);
}

static const char* NextAnsiChar(const char* p)
{
    return CharNextA(p);
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    const char* tail = SkipProgramName(GetCommandLineA(), NextAnsiChar);
    STARTUPINFOA startup;
    memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    int showCommand = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : 10;
    (void)showCommand;  // windows are shown by their own mode rules
    ExitProcess(static_cast<UINT>(DispatchSaverMode(hInstance, tail)));
}
