// Window records, the handle registry, top window creation, pixel format, GL context,
// viewport, frame drawing and teardown.
#include "sswindow.h"

#include <GL/gl.h>
#include <stdlib.h>
#include <string.h>

#include "palette.h"
#include "pixel_format_choice.h"
#include "shell_assert.h"
#include "sswproc.h"

static const char kSaverClassName[] = "WindowsScreenSaverClass";
constexpr UINT kSaverClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_OWNDC;
constexpr int kPixelFormatAttempts = 5;
constexpr DWORD kPixelFormatRetryMs = 1000;

void RegisterSaverWindow(SaverShell* pss, HWND hwnd, SaverWindow* pssw)
{
    for (int i = 0; i < pss->nRegistered; ++i)
        if (pss->registry[i].hwnd == hwnd && pss->registry[i].pssw != nullptr)
            return;
    if (pss->nRegistered >= kWindowRegistryCapacity)
        return;
    pss->registry[pss->nRegistered].hwnd = hwnd;
    pss->registry[pss->nRegistered].pssw = pssw;
    ++pss->nRegistered;
}

SaverWindow* FindSaverWindow(SaverShell* pss, HWND hwnd)
{
    if (pss == nullptr)
        return nullptr;
    for (int i = 0; i < pss->nRegistered; ++i)
        if (pss->registry[i].hwnd == hwnd)
            return pss->registry[i].pssw;
    return nullptr;
}

void UnregisterSaverWindow(SaverShell* pss, HWND hwnd)
{
    for (int i = 0; i < pss->nRegistered; ++i) {
        if (pss->registry[i].hwnd != hwnd)
            continue;
        for (int j = i + 1; j < pss->nRegistered; ++j)
            pss->registry[j - 1] = pss->registry[j];
        --pss->nRegistered;
        return;
    }
}

SaverWindow* NewWindowRecord(int width, int height)
{
    SaverWindow* pssw = static_cast<SaverWindow*>(calloc(1, sizeof(SaverWindow)));
    if (pssw == nullptr)
        return nullptr;
    pssw->bCreatedByShell = 1;
    pssw->width = width;
    pssw->height = height;
    return pssw;
}

SaverWindow* RecordForExistingWindow(HWND hwnd)
{
    SaverWindow* pssw = static_cast<SaverWindow*>(calloc(1, sizeof(SaverWindow)));
    if (pssw == nullptr)
        return nullptr;
    pssw->hwnd = hwnd;
    RECT rc = {0, 0, 0, 0};
    GetClientRect(hwnd, &rc);
    pssw->width = rc.right - rc.left + 1;
    pssw->height = rc.bottom - rc.top + 1;
    RegisterSaverWindow(g_pSaverShell, hwnd, pssw);
    return pssw;
}

void FreeWindowRecord(SaverWindow* pssw)
{
    free(pssw);
}

// Another saver already showing: bring it forward instead of starting a second one.
static bool ForwardToRunningSaver()
{
    HWND other = FindWindowA("ScreenSaverClass", "Screen Saver");
    if (other == nullptr || !IsWindow(other))
        return false;
    SetForegroundWindow(other);
    return true;
}

struct TopWindowLayout {
    int width;
    int height;
    DWORD style;
    DWORD exStyle;
    HWND parent;
    HCURSOR cursor;
    WNDPROC procedure;
};

static TopWindowLayout LayoutFor(const SaverShell* pss)
{
    TopWindowLayout layout = {};
    switch (pss->runMode) {
    case FullScreen:
        layout.width = GetSystemMetrics(SM_CXSCREEN);
        layout.height = GetSystemMetrics(SM_CYSCREEN);
        layout.style = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
        layout.exStyle = WS_EX_TOPMOST;
        layout.procedure = SaverWindowProc;
        break;
    case Preview: {
        RECT rc = {0, 0, 0, 0};
        GetClientRect(pss->hwndArgument, &rc);
        layout.width = rc.right;
        layout.height = rc.bottom;
        layout.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
        layout.parent = pss->hwndArgument;
        layout.procedure = SaverWindowProc;
        break;
    }
    default:
        layout.width = GetSystemMetrics(SM_CXSCREEN) >> 1;
        layout.height = GetSystemMetrics(SM_CYSCREEN) >> 1;
        layout.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
        layout.cursor = LoadCursor(nullptr, IDC_ARROW);
        layout.procedure = WindowedTestProc;
        break;
    }
    return layout;
}

static void DiscardRecord(SaverWindow* pssw)
{
    TeardownSaverWindow(pssw);
    FreeWindowRecord(pssw);
}

bool CreateTopWindow(SaverShell* pss)
{
    if (pss->runMode == FullScreen) {
        if (ForwardToRunningSaver())
            return false;
        LoadPasswordVerifier();
    }
    TopWindowLayout layout = LayoutFor(pss);
    SaverWindow* pssw = NewWindowRecord(layout.width, layout.height);
    if (pssw == nullptr)
        return false;

    WNDCLASSA wc;
    memset(&wc, 0, sizeof wc);
    wc.style = kSaverClassStyle;
    wc.lpfnWndProc = layout.procedure;
    wc.hInstance = g_hInstance;
    wc.hIcon = LoadIconA(g_hInstance, MAKEINTRESOURCEA(100));
    wc.hCursor = layout.cursor;
    wc.hbrBackground = pss->hbrBackground;
    wc.lpszClassName = kSaverClassName;
    if (!RegisterClassA(&wc)) {
        DiscardRecord(pssw);
        return false;
    }

    char caption[64] = "";
    if (pss->runMode == Windowed)
        LoadStringA(g_hInstance, 1, caption, sizeof caption);

    HWND hwnd = CreateWindowExA(layout.exStyle, kSaverClassName, caption, layout.style, 0, 0,
                                layout.width, layout.height, layout.parent, nullptr, g_hInstance,
                                pssw);
    if (hwnd == nullptr) {
        DiscardRecord(pssw);
        return false;
    }
    ShowWindow(hwnd, SW_SHOW);
    if (pss->runMode != Preview)
        SetForegroundWindow(hwnd);
    pssw->hdc = GetDC(hwnd);
    pss->psswMain = pssw;
    return true;
}

static int DescribeFromDevice(void* context, int index, PixelFormatInfo* out)
{
    PIXELFORMATDESCRIPTOR pfd;
    memset(&pfd, 0, sizeof pfd);
    int count = DescribePixelFormat(static_cast<HDC>(context), index, sizeof pfd, &pfd);
    out->flags = pfd.dwFlags;
    out->pixelType = pfd.iPixelType;
    out->colorBits = pfd.cColorBits;
    out->depthBits = pfd.cDepthBits;
    return count;
}

int ChooseSaverPixelFormat(HDC hdc, uint32_t requestBits)
{
    int screenDepth = GetDeviceCaps(hdc, PLANES) * GetDeviceCaps(hdc, BITSPIXEL);
    bool describeFailed = false;
    int index = ScanPixelFormats(DescribeFromDevice, hdc, screenDepth, requestBits, &describeFailed);
    if (index != 0 || describeFailed)
        return index;
    PixelFormatInfo wanted = FallbackFormatRequest(screenDepth, requestBits);
    PIXELFORMATDESCRIPTOR pfd;
    memset(&pfd, 0, sizeof pfd);
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = wanted.flags;
    pfd.iPixelType = static_cast<BYTE>(wanted.pixelType);
    pfd.cColorBits = static_cast<BYTE>(wanted.colorBits);
    pfd.cDepthBits = static_cast<BYTE>(wanted.depthBits);
    return ChoosePixelFormat(hdc, &pfd);
}

bool SetSaverPixelFormat(HDC hdc, uint32_t requestBits, PIXELFORMATDESCRIPTOR* ppfd)
{
    for (int attempt = 0; attempt < kPixelFormatAttempts; ++attempt) {
        int index = ChooseSaverPixelFormat(hdc, requestBits);
        PIXELFORMATDESCRIPTOR pfd;
        memset(&pfd, 0, sizeof pfd);
        if (index != 0 && SetPixelFormat(hdc, index, &pfd)) {
            if (ppfd)
                DescribePixelFormat(hdc, index, sizeof *ppfd, ppfd);
            return true;
        }
        Sleep(kPixelFormatRetryMs);
    }
    return false;
}

static bool CreateGLContext(SaverWindow* pssw)
{
    SaverShell* pss = g_pSaverShell;
    if (pssw->pGlConfig == nullptr || pss == nullptr)
        return false;
    uint32_t request = pssw->pGlConfig->requestBits;
    if (pss->runMode == Preview)
        request |= kRequestNoSystemPalette;
    pssw->bDoubleBuffered = (request & kRequestDoubleBuffer) != 0;

    PIXELFORMATDESCRIPTOR pfd;
    memset(&pfd, 0, sizeof pfd);
    if (!SetSaverPixelFormat(pssw->hdc, request, &pfd))
        return false;

    if (pfd.dwFlags & PFD_NEED_PALETTE) {
        bool fullScreen = pss->runMode == FullScreen;
        if (pss->pPalette == nullptr) {
            pss->pPalette = CreateSaverPalette(pssw->hdc, &pfd, fullScreen);
            if (pss->pPalette)
                pss->pPalette->pfnHandler =
                    fullScreen ? PaletteFullScreenHandler : PaletteWindowHandler;
        }
        if (pss->pPalette && pssw->hwnd)
            RealizePaletteForWindow(pss->pPalette, pssw->hwnd, pssw->hdc, false);
    }

    HGLRC hglrc = wglCreateContext(pssw->hdc);
    if (hglrc == nullptr)
        return false;
    if (!wglMakeCurrent(pssw->hdc, hglrc)) {
        wglDeleteContext(hglrc);
        return false;
    }
    pssw->hglrc = hglrc;
    pssw->pfnInit = RegisteredInitCallback();
    pssw->pfnFrame = RegisteredFrameCallback();
    pssw->hwndCallbackArg = nullptr;
    return true;
}

bool EnsureGL(SaverWindow* pssw)
{
    if (pssw == nullptr)
        return false;
    if (pssw->hdc == nullptr && pssw->hwnd)
        pssw->hdc = GetDC(pssw->hwnd);
    if (pssw->hdc == nullptr)
        return false;
    if (pssw->hglrc == nullptr)
        return CreateGLContext(pssw);
    return true;
}

void ResizeSaverWindow(SaverWindow* pssw, int width, int height)
{
    pssw->width = width;
    pssw->height = height;
    if (pssw->hglrc)
        glViewport(0, 0, width, height);
}

void DrawSaverFrame(SaverWindow* pssw)
{
    if (pssw == nullptr || pssw->pfnFrame == nullptr)
        return;
    pssw->pfnFrame(pssw->hwndCallbackArg);
    if (pssw->bDoubleBuffered)
        SwapBuffers(pssw->hdc);
}

void TeardownSaverWindow(SaverWindow* pssw)
{
    if (pssw == nullptr)
        return;
    if (pssw->hwnd && g_pSaverShell)
        UnregisterSaverWindow(g_pSaverShell, pssw->hwnd);
    if (pssw->hglrc) {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(pssw->hglrc);
        pssw->hglrc = nullptr;
    }
    if (pssw->hdc) {
        ReleaseDC(pssw->hwnd, pssw->hdc);
        pssw->hdc = nullptr;
    }
}
