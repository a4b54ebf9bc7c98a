// A Windows helper for the saver's end-to-end tests: makes the windows a test needs (a
// preview parent, a foreign saver window) and reports on other windows.
//
//   parent X Y W H LOG     a top-level window with a W x H client area at X,Y; prints its
//                          handle; logs WM_HELP / WM_CONTEXTMENU it receives; ends on WM_CLOSE
//   fake-saver             a window of class "ScreenSaverClass" captioned "Screen Saver"
//   find CLASS             handles of the visible top-level windows of CLASS, one a line
//   child PARENT           the first child window of PARENT
//   info HWND              position, size, styles, parent, owner, foreground of a window
//   foreground             the foreground window
//   cursor                 the cursor of the foreground input: "visible=0|1 arrow=0|1 null=0|1"
//   post HWND MSG WPARAM LPARAM
//   close HWND             posts WM_CLOSE
//   activate HWND          brings a window to the foreground
//   help HWND              sends WM_HELP with a help record, as F1 in a focused window does
//   saver-running          the system's screen-saver-running flag: 0 or 1
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace {

const char* g_logPath = nullptr;

HWND ParseHandle(const char* text)
{
    return reinterpret_cast<HWND>(static_cast<UINT_PTR>(strtoull(text, nullptr, 0)));
}

unsigned long long HandleNumber(HWND hwnd)
{
    return static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(hwnd));
}

void AppendLog(const char* line)
{
    if (g_logPath == nullptr)
        return;
    FILE* f = fopen(g_logPath, "a");
    if (f) {
        fprintf(f, "%s\n", line);
        fclose(f);
    }
}

LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    char line[128];
    switch (message) {
    case WM_HELP:
    case WM_CONTEXTMENU:
        snprintf(line, sizeof line, "%s wparam_is_self=%d",
                 message == WM_HELP ? "WM_HELP" : "WM_CONTEXTMENU",
                 reinterpret_cast<HWND>(wParam) == hwnd ? 1 : 0);
        AppendLog(line);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

int RunWindow(const char* className, const char* caption, int x, int y, int w, int h)
{
    WNDCLASSA wc;
    memset(&wc, 0, sizeof wc);
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    wc.lpszClassName = className;
    if (!RegisterClassA(&wc))
        return 2;
    DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    RECT rc = {0, 0, w, h};
    AdjustWindowRect(&rc, style, FALSE);
    HWND hwnd = CreateWindowExA(0, className, caption, style, x, y, rc.right - rc.left,
                                rc.bottom - rc.top, nullptr, nullptr, wc.hInstance, nullptr);
    if (hwnd == nullptr)
        return 3;
    ShowWindow(hwnd, SW_SHOW);
    SetForegroundWindow(hwnd);
    printf("%llu\n", HandleNumber(hwnd));
    fflush(stdout);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

struct FindState {
    const char* className;
    int count;
};

BOOL CALLBACK FindOne(HWND hwnd, LPARAM lParam)
{
    FindState* state = reinterpret_cast<FindState*>(lParam);
    char name[256] = "";
    GetClassNameA(hwnd, name, sizeof name);
    if (strcmp(name, state->className) == 0 && IsWindowVisible(hwnd)) {
        printf("%llu\n", HandleNumber(hwnd));
        ++state->count;
    }
    return TRUE;
}

int PrintInfo(HWND hwnd)
{
    if (!IsWindow(hwnd)) {
        printf("exists=0\n");
        return 1;
    }
    RECT window, client;
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    HWND parent = GetAncestor(hwnd, GA_PARENT);
    POINT origin = {window.left, window.top};
    if (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)
        ScreenToClient(parent, &origin);
    char cls[256] = "";
    GetClassNameA(hwnd, cls, sizeof cls);
    printf("exists=1\nclass=%s\nx=%ld\ny=%ld\nwidth=%ld\nheight=%ld\nclient_width=%ld\n"
           "client_height=%ld\nstyle=0x%08lX\nexstyle=0x%08lX\nparent=%llu\nowner=%llu\n"
           "foreground=%d\n",
           cls, origin.x, origin.y, window.right - window.left, window.bottom - window.top,
           client.right, client.bottom, static_cast<unsigned long>(GetWindowLongA(hwnd, GWL_STYLE)),
           static_cast<unsigned long>(GetWindowLongA(hwnd, GWL_EXSTYLE)),
           HandleNumber(GetParent(hwnd)), HandleNumber(GetWindow(hwnd, GW_OWNER)),
           GetForegroundWindow() == hwnd ? 1 : 0);
    return 0;
}

int PrintCursor()
{
    CURSORINFO info;
    memset(&info, 0, sizeof info);
    info.cbSize = sizeof info;
    if (!GetCursorInfo(&info))
        return 1;
    printf("visible=%d arrow=%d null=%d\n", (info.flags & CURSOR_SHOWING) ? 1 : 0,
           info.hCursor == LoadCursor(nullptr, IDC_ARROW) ? 1 : 0, info.hCursor == nullptr ? 1 : 0);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    const char* command = argv[1];
    if (strcmp(command, "parent") == 0 && argc >= 7) {
        g_logPath = argv[6];
        return RunWindow("SaverTestParent", "Preview parent", atoi(argv[2]), atoi(argv[3]),
                         atoi(argv[4]), atoi(argv[5]));
    }
    if (strcmp(command, "fake-saver") == 0)
        return RunWindow("ScreenSaverClass", "Screen Saver", 50, 50, 200, 100);
    if (strcmp(command, "find") == 0 && argc >= 3) {
        FindState state = {argv[2], 0};
        EnumWindows(FindOne, reinterpret_cast<LPARAM>(&state));
        return state.count > 0 ? 0 : 1;
    }
    if (strcmp(command, "child") == 0 && argc >= 3) {
        HWND child = GetWindow(ParseHandle(argv[2]), GW_CHILD);
        printf("%llu\n", HandleNumber(child));
        return child ? 0 : 1;
    }
    if (strcmp(command, "info") == 0 && argc >= 3)
        return PrintInfo(ParseHandle(argv[2]));
    if (strcmp(command, "foreground") == 0) {
        printf("%llu\n", HandleNumber(GetForegroundWindow()));
        return 0;
    }
    if (strcmp(command, "cursor") == 0)
        return PrintCursor();
    if (strcmp(command, "post") == 0 && argc >= 6) {
        return PostMessageA(ParseHandle(argv[2]), static_cast<UINT>(strtoul(argv[3], nullptr, 0)),
                            static_cast<WPARAM>(strtoull(argv[4], nullptr, 0)),
                            static_cast<LPARAM>(strtoll(argv[5], nullptr, 0)))
                   ? 0
                   : 1;
    }
    if (strcmp(command, "help") == 0 && argc >= 3) {
        HWND target = ParseHandle(argv[2]);
        HELPINFO help;
        memset(&help, 0, sizeof help);
        help.cbSize = sizeof help;
        help.iContextType = HELPINFO_WINDOW;
        help.hItemHandle = target;
        DWORD_PTR result = 0;
        return SendMessageTimeoutA(target, WM_HELP, 0, reinterpret_cast<LPARAM>(&help),
                                   SMTO_ABORTIFHUNG, 5000, &result)
                   ? 0
                   : 1;
    }
    if (strcmp(command, "saver-running") == 0) {   // the system's screen-saver-running flag
        BOOL running = FALSE;
        if (!SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &running, 0))
            return 1;
        printf("%d\n", running ? 1 : 0);
        return 0;
    }
    if (strcmp(command, "activate") == 0 && argc >= 3)
        return SetForegroundWindow(ParseHandle(argv[2])) ? 0 : 1;
    if (strcmp(command, "close") == 0 && argc >= 3)
        return PostMessageA(ParseHandle(argv[2]), WM_CLOSE, 0, 0) ? 0 : 1;
    return 2;
}
