#include "scene_host.h"

#include <GL/gl.h>

#include "shell/scene_interface.h"

namespace {

bool hostPreview = false;
HWND hostWindow = nullptr;

LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) return 1;
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

// The shell's side of the scene interface.
void SetInitCallback(SaverCallback) {}
void SetFrameCallback(SaverCallback) {}
bool IsPreviewMode() { return hostPreview; }
HWND GetSaverWindow() { return hostWindow; }

bool OpenSceneHost(SceneHost* host, int width, int height, bool preview) {
    hostPreview = preview;
    WNDCLASSA windowClass = {};
    windowClass.style = CS_OWNDC;
    windowClass.lpfnWndProc = HostWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "SelenariumSceneHost";
    RegisterClassA(&windowClass);
    host->width = width;
    host->height = height;
    host->window = CreateWindowExA(WS_EX_TOPMOST, windowClass.lpszClassName, "Selenarium scene",
                                   WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr, nullptr,
                                   windowClass.hInstance, nullptr);
    if (host->window == nullptr) return false;
    hostWindow = host->window;
    host->dc = GetDC(host->window);
    PIXELFORMATDESCRIPTOR format = {};
    format.nSize = sizeof format;
    format.nVersion = 1;
    format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = 24;
    format.cDepthBits = 16;
    const int index = ChoosePixelFormat(host->dc, &format);
    if (index == 0 || !SetPixelFormat(host->dc, index, &format)) return false;
    host->context = wglCreateContext(host->dc);
    if (host->context == nullptr || !wglMakeCurrent(host->dc, host->context)) return false;
    glViewport(0, 0, width, height);
    PumpSceneMessages();
    return true;
}

void CloseSceneHost(SceneHost* host) {
    wglMakeCurrent(nullptr, nullptr);
    if (host->context != nullptr) wglDeleteContext(host->context);
    if (host->dc != nullptr) ReleaseDC(host->window, host->dc);
    if (host->window != nullptr) DestroyWindow(host->window);
    *host = SceneHost{};
    hostWindow = nullptr;
}

void PumpSceneMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

std::vector<unsigned char> ReadBackBuffer(const SceneHost& host) {
    std::vector<unsigned char> pixels(static_cast<size_t>(host.width) * host.height * 3);
    glFinish();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, host.width, host.height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}
