// On a display of more than 8 bits the saver's pixel format needs no palette: a windowed
// run of the real program creates none and answers every palette message with 0 (with a
// palette, a windowed run would answer WM_QUERYNEWPALETTE with 1).
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

namespace {

std::string ProgramBesideThisTest(const char* name)
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of("\\/") + 1) + name;
}

template <typename Condition>
bool WaitUntil(DWORD timeoutMs, Condition condition)
{
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(50);
    }
    return true;
}

struct SaverRun {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;

    bool Start(const std::string& program, const char* switches)
    {
        std::string commandLine = "\"" + program + "\" " + switches;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        return CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0,
                              nullptr, nullptr, &startup, &process) != 0;
    }

    HWND FindSaverWindow() const
    {
        HWND candidate = nullptr;
        while ((candidate = FindWindowExA(nullptr, candidate, "WindowsScreenSaverClass", nullptr))) {
            DWORD owner = 0;
            GetWindowThreadProcessId(candidate, &owner);
            if (owner == process.dwProcessId)
                return candidate;
        }
        return nullptr;
    }

    // The scene has drawn once GL is running: the sky is not the class brush's black.
    bool HasDrawn() const
    {
        POINT point{10, 60};
        ClientToScreen(window, &point);
        HDC screen = GetDC(nullptr);
        COLORREF colour = GetPixel(screen, point.x, point.y);
        ReleaseDC(nullptr, screen);
        return colour != CLR_INVALID && colour != RGB(0, 0, 0);
    }

    ~SaverRun()
    {
        if (process.hProcess == nullptr)
            return;
        if (window)
            PostMessageA(window, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0)
            TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
};

}  // namespace

TEST(PaletteOnDeepDisplay, WindowedRunHasNoPaletteAndAnswersPaletteMessagesWithZero)
{
    HDC screen = GetDC(nullptr);
    int depth = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
    ReleaseDC(nullptr, screen);
    ASSERT_GT(depth, 8);

    SaverRun run;
    ASSERT_TRUE(run.Start(ProgramBesideThisTest("Selenarium.scr"), "/w"));
    ASSERT_TRUE(WaitUntil(30000, [&] { return (run.window = run.FindSaverWindow()) != nullptr; }));
    ASSERT_TRUE(WaitUntil(60000, [&] { return run.HasDrawn(); })) << "the scene never drew";

    HWND other = GetDesktopWindow();
    const struct { UINT message; WPARAM wParam; const char* name; } messages[] = {
        {WM_QUERYNEWPALETTE, 0, "WM_QUERYNEWPALETTE"},
        {WM_PALETTECHANGED, reinterpret_cast<WPARAM>(other), "WM_PALETTECHANGED"},
        {WM_SYSCOLORCHANGE, 0, "WM_SYSCOLORCHANGE"},
        {WM_USER, 1, "WM_USER"},
        {WM_ACTIVATE, WA_ACTIVE, "WM_ACTIVATE"},
    };
    for (const auto& m : messages) {
        DWORD_PTR result = 99;
        ASSERT_TRUE(SendMessageTimeoutA(run.window, m.message, m.wParam, 0, SMTO_NORMAL, 10000, &result))
            << m.name;
        EXPECT_EQ(result, 0u) << m.name;
    }
    EXPECT_TRUE(IsWindow(run.window));  // still running: the messages changed nothing
}
