// The saver window's procedure chain: saver -> main -> base / closing, plus the windowed
// test procedure, the configuration dialog procedure and the Windows 9x password check.
#include "sswproc.h"

#include <GL/gl.h>
#include <stdlib.h>

#include "glscrnsv.h"
#include "palette.h"
#include "proc_address.h"
#include "shell_assert.h"
#include "sswindow.h"

constexpr int kMovementThreshold = 4;
constexpr DWORD kPasswordQuietMs = 200;
constexpr DWORD kNeverMarker = 0xFFFFFFFFu;
constexpr UINT kSpiScreenSaverRunning = 97;

typedef HIMC(WINAPI* ImmAssociateContextFn)(HWND, HIMC);
typedef BOOL(WINAPI* VerifyScreenSavePwdFn)(HWND);

static bool s_bClosingAccepted = false;
static bool s_bPasswordDialogOpen = false;
static DWORD s_lastPasswordDialogTime = kNeverMarker;
static POINT s_ptReference = {0, 0};
static bool s_bStarted = false;
static UINT_PTR s_timerRunning = 0;
static bool s_bMinimised = false;
static bool s_bDrawing = false;

static HMODULE s_hImm = nullptr;
static ImmAssociateContextFn s_pfnImmAssociateContext = nullptr;
static HIMC s_himcPrevious = nullptr;
static bool s_bImmContextKept = false;

static HMODULE s_hPasswordCpl = nullptr;
static VerifyScreenSavePwdFn s_pfnVerifyScreenSavePwd = nullptr;

static bool IsFullScreen()
{
    return g_pSaverShell != nullptr && g_pSaverShell->runMode == FullScreen;
}

static bool IsInteractive()
{
    return g_pSaverShell == nullptr || g_pSaverShell->runMode == Preview ||
           g_pSaverShell->runMode == Windowed;
}

static void HideCursor()
{
    SetCursor(nullptr);
}

static SaverPalette* CurrentPalette()
{
    return g_pSaverShell ? g_pSaverShell->pPalette : nullptr;
}

// ---- Windows 9x password verifier ----

void LoadPasswordVerifier()
{
    if (!g_bWin9x)
        return;
    if (s_hPasswordCpl)
        ReleasePasswordVerifier();
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_CURRENT_USER, "Control Panel\\Desktop", &key) != ERROR_SUCCESS)
        return;
    DWORD value = 0;
    DWORD size = sizeof value;
    LONG read = RegQueryValueExA(key, "ScreenSaveUsePassword", nullptr, nullptr,
                                 reinterpret_cast<BYTE*>(&value), &size);
    if (read == ERROR_SUCCESS && value != 0) {
        s_hPasswordCpl = LoadLibraryA("PASSWORD.CPL");
        if (s_hPasswordCpl) {
            s_pfnVerifyScreenSavePwd =
                LookUpProc<VerifyScreenSavePwdFn>(s_hPasswordCpl, "VerifyScreenSavePwd");
            if (s_pfnVerifyScreenSavePwd) {
                SystemParametersInfoA(kSpiScreenSaverRunning, 1, nullptr, 0);
            } else {
                FreeLibrary(s_hPasswordCpl);
                s_hPasswordCpl = nullptr;
            }
        }
    }
    RegCloseKey(key);
}

void ReleasePasswordVerifier()
{
    if (!g_bWin9x)
        return;
    if (s_hPasswordCpl) {
        FreeLibrary(s_hPasswordCpl);
        s_hPasswordCpl = nullptr;
    }
    if (s_pfnVerifyScreenSavePwd) {
        s_pfnVerifyScreenSavePwd = nullptr;
        SystemParametersInfoA(kSpiScreenSaverRunning, 0, nullptr, 0);
    }
}

// Whether a close request may end the run (Windows 9x family only).
static bool CheckPassword(HWND hwnd)
{
    if (s_bPasswordDialogOpen)
        return false;
    if (s_pfnVerifyScreenSavePwd == nullptr) {
        s_bClosingAccepted = true;
        return true;
    }
    if (s_lastPasswordDialogTime != kNeverMarker &&
        GetTickCount() - s_lastPasswordDialogTime < kPasswordQuietMs)
        return false;

    s_bPasswordDialogOpen = true;
    MSG msg;
    PeekMessageA(&msg, hwnd, WM_TIMER, WM_TIMER, PM_REMOVE | PM_NOYIELD);
    PeekMessageA(&msg, hwnd, WM_TIMER, WM_TIMER, PM_REMOVE | PM_NOYIELD);
    s_bClosingAccepted = SendMessageA(hwnd, kMsgVerifyPassword, 0, 0) != 0;
    s_bPasswordDialogOpen = false;
    if (!s_bClosingAccepted)
        HideCursor();
    s_lastPasswordDialogTime = GetTickCount();
    return s_bClosingAccepted;
}

// ---- Closing procedure: the close rules of the full-screen run ----

static LRESULT ClosingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsInteractive() || s_bClosingAccepted)
        return DefWindowProcA(hwnd, message, wParam, lParam);

    switch (message) {
    case WM_CLOSE:
        if (g_bWin9x && !CheckPassword(hwnd)) {
            GetCursorPos(&s_ptReference);
            return 0;
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case kMsgVerifyPassword:
        if (g_bWin9x)
            return s_pfnVerifyScreenSavePwd ? s_pfnVerifyScreenSavePwd(hwnd) : 1;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    default:
        break;
    }
    if (s_bPasswordDialogOpen)
        return DefWindowProcA(hwnd, message, wParam, lParam);

    switch (message) {
    case WM_SHOWWINDOW:
        if (wParam)
            HideCursor();
        break;
    case WM_ACTIVATEAPP:
        if (wParam == 0)
            PostMessageA(hwnd, WM_CLOSE, 0, 0);
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
        break;
    case WM_SETCURSOR:
        HideCursor();
        return 1;
    case WM_MOUSEMOVE: {
        POINT pt;
        GetCursorPos(&pt);
        int distance = abs(pt.x - s_ptReference.x) + abs(pt.y - s_ptReference.y);
        if (distance > kMovementThreshold) {
            PostMessageA(hwnd, WM_CLOSE, 0, 0);
            s_ptReference = pt;
        }
        break;
    }
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// ---- Base procedure: creation, size and GL start ----

static void StartGL(HWND hwnd)
{
    SaverWindow* pssw = FindSaverWindow(g_pSaverShell, hwnd);
    if (!EnsureGL(pssw)) {
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
        return;
    }
    if (pssw->hglrc && pssw->pfnInit) {
        HANDLE process = GetCurrentProcess();
        DWORD priority = GetPriorityClass(process);
        SetPriorityClass(process, HIGH_PRIORITY_CLASS);
        pssw->hwndCallbackArg = hwnd;
        pssw->pfnInit(hwnd);
        SetPriorityClass(process, priority);
    }
    // Frames get the window too when the scene registered no init callback.
    pssw->hwndCallbackArg = hwnd;
    glViewport(0, 0, pssw->width, pssw->height);
}

static LRESULT BaseProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        CREATESTRUCTA* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SaverWindow* pssw = static_cast<SaverWindow*>(create->lpCreateParams);
        RegisterSaverWindow(g_pSaverShell, hwnd, pssw);
        pssw->width = create->cx;
        pssw->height = create->cy;
        pssw->hwnd = hwnd;
        return 0;
    }
    case WM_SIZE: {
        SaverWindow* pssw = FindSaverWindow(g_pSaverShell, hwnd);
        if (pssw)
            ResizeSaverWindow(pssw, LOWORD(lParam), HIWORD(lParam));
        return 0;
    }
    case kMsgStartGL:
        StartGL(hwnd);
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

// ---- Main procedure ----

static void TeardownTopWindow(HWND hwnd)
{
    if (s_timerRunning) {
        KillTimer(hwnd, kAnimationTimerId);
        s_timerRunning = 0;
    }
    SaverShell* pss = g_pSaverShell;
    if (pss == nullptr)
        return;
    SaverWindow* pssw = FindSaverWindow(pss, hwnd);
    if (pssw == nullptr)
        pssw = pss->psswMain;
    if (pss->pPalette) {
        TeardownSaverPalette(pss->pPalette, pssw ? pssw->hdc : nullptr);
        pss->pPalette = nullptr;
    }
    if (pssw) {
        TeardownSaverWindow(pssw);
        FreeWindowRecord(pssw);
        if (pss->psswGL == pssw)
            pss->psswGL = nullptr;
    }
    pss->psswMain = nullptr;
    PostQuitMessage(0);
}

static LRESULT MainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
    case WM_ERASEBKGND:
    case kMsgStartGL:
        return BaseProc(hwnd, message, wParam, lParam);
    case WM_DESTROY:
        TeardownTopWindow(hwnd);
        return 0;
    case WM_SIZE:
        s_bMinimised = wParam == SIZE_MINIMIZED;
        return BaseProc(hwnd, message, wParam, lParam);
    case WM_ACTIVATE:
        if (g_pSaverShell)
            g_pSaverShell->bActive = LOWORD(wParam) != 0;
        return PaletteHandleMessage(CurrentPalette(), hwnd, message, wParam, lParam);
    case WM_SYSCOLORCHANGE:
    case WM_QUERYNEWPALETTE:
    case WM_PALETTECHANGED:
    case kMsgRealizePalette:
        return PaletteHandleMessage(CurrentPalette(), hwnd, message, wParam, lParam);
    case WM_PAINT:
        if (!s_bStarted) {
            s_bStarted = true;
            PostMessageA(hwnd, kMsgStartGL, 0, 0);
            PostMessageA(hwnd, kMsgStartTimer, 0, 0);
        }
        return ClosingProc(hwnd, message, wParam, lParam);
    case WM_TIMER:
        if (s_bMinimised || s_bDrawing)
            return 0;
        s_bDrawing = true;
        if (g_pSaverShell)
            DrawSaverFrame(g_pSaverShell->psswMain);
        s_bDrawing = false;
        return 0;
    case kMsgStartTimer:
        if (g_pSaverShell && g_pSaverShell->runMode == Preview)
            Sleep(0);
        s_timerRunning = kAnimationTimerId;
        SetTimer(hwnd, kAnimationTimerId, kAnimationPeriodMs, nullptr);
        s_bStarted = true;
        return BaseProc(hwnd, message, wParam, lParam);
    default:
        return ClosingProc(hwnd, message, wParam, lParam);
    }
}

// ---- Saver procedure ----

static void SwitchOffInputMethod(HWND hwnd)
{
    s_hImm = GetModuleHandleA("IMM32.DLL");
    if (s_hImm == nullptr)
        return;
    s_pfnImmAssociateContext = LookUpProc<ImmAssociateContextFn>(s_hImm, "ImmAssociateContext");
    if (s_pfnImmAssociateContext) {
        s_himcPrevious = s_pfnImmAssociateContext(hwnd, nullptr);
        s_bImmContextKept = true;
    }
}

static void RestoreInputMethod(HWND hwnd)
{
    if (s_bImmContextKept && s_pfnImmAssociateContext) {
        s_pfnImmAssociateContext(hwnd, s_himcPrevious);
        s_bImmContextKept = false;
    }
}

// Help and context-menu requests in the preview belong to the display control panel.
static void ForwardToParent(HWND parent, UINT message, LPARAM lParam)
{
    WPARAM wParam = reinterpret_cast<WPARAM>(parent);
    if (PostMessageA(parent, message, wParam, lParam))
        return;
    // WM_HELP carries a pointer, which the system refuses to post to another process;
    // sending lets it copy the help record across, bounded so a hung parent cannot hang us.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(parent, message, wParam, lParam, SMTO_ABORTIFHUNG, 1000, &ignored);
}

LRESULT CALLBACK SaverWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        SwitchOffInputMethod(hwnd);
        GetCursorPos(&s_ptReference);
        if (IsFullScreen())
            HideCursor();
        break;
    case WM_DESTROY:
        RestoreInputMethod(hwnd);
        PostQuitMessage(0);
        break;
    case WM_SETTEXT:
        return 0;
    case WM_PAINT:
        if (s_bClosingAccepted)
            return DefWindowProcA(hwnd, message, wParam, lParam);
        if (IsFullScreen())
            HideCursor();
        break;
    case WM_HELP:
    case WM_CONTEXTMENU:
        if (!IsFullScreen()) {
            HWND parent = GetParent(hwnd);
            if (parent && IsWindow(parent))
                ForwardToParent(parent, message, lParam);
            return 1;
        }
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (s_bClosingAccepted)
            return DefWindowProcA(hwnd, message, wParam, lParam);
        break;
    case WM_SYSCOMMAND:
        if (IsFullScreen()) {
            WPARAM command = wParam & 0xFFF0;
            if (command == SC_NEXTWINDOW || command == SC_PREVWINDOW || command == SC_SCREENSAVE)
                return 0;
        }
        break;
    case WM_TIMER:
        if (s_bClosingAccepted)
            return 0;
        Sleep(0);
        break;
    default:
        break;
    }
    return MainProc(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK WindowedTestProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETTEXT:
        return MainProc(hwnd, message, wParam, lParam);
    case WM_KEYDOWN:
        if (wParam != VK_ESCAPE)
            return 0;
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
        break;
    default:
        break;
    }
    return SaverWindowProc(hwnd, message, wParam, lParam);
}

// ---- Configuration dialog ----

INT_PTR CALLBACK SaverDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        SaverWindow* pssw = RecordForExistingWindow(hwnd);
        SHELL_ASSERT(pssw, "sswproc");
        if (g_pSaverShell)
            g_pSaverShell->psswMain = pssw;
        return SceneConfigDialogProc(hwnd, message, wParam, lParam);
    }
    case WM_ACTIVATE:
    case WM_QUERYNEWPALETTE:
    case WM_PALETTECHANGED:
    case kMsgRealizePalette:
        return PaletteHandleMessage(CurrentPalette(), hwnd, message, wParam, lParam);
    default:
        return SceneConfigDialogProc(hwnd, message, wParam, lParam);
    }
}
