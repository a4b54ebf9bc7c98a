// Starts "Selenarium.scr /c" from the test's own folder and finds and drives its
// configuration dialog and message boxes from outside, with messages.
#ifndef SELENARIUM_TESTS_SETTINGS_DIALOG_DRIVER_H
#define SELENARIUM_TESTS_SETTINGS_DIALOG_DRIVER_H

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace dialogdrv {

// Polls until the condition holds or the deadline passes.
inline bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds = 20000) {
    DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start > milliseconds) return false;
        Sleep(20);
    }
}

inline std::string ClassOf(HWND w) {
    char name[64] = {0};
    GetClassNameA(w, name, sizeof name);
    return name;
}

// UTF-8 and UTF-16, so texts are compared as the user sees them whatever the system's
// code page.
inline std::string Utf8(const wchar_t* text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return std::string();
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &out[0], size, nullptr, nullptr);
    out.resize(static_cast<size_t>(size - 1));
    return out;
}

inline std::wstring Wide(const std::string& utf8) {
    int size = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
    if (size <= 1) return std::wstring();
    std::wstring out(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, &out[0], size);
    out.resize(static_cast<size_t>(size - 1));
    return out;
}

// A window's text as UTF-8.
inline std::string TextOf(HWND w) {
    wchar_t text[1024] = {0};
    SendMessageTimeoutW(w, WM_GETTEXT, sizeof text / sizeof text[0], reinterpret_cast<LPARAM>(text), SMTO_BLOCK,
                        10000, nullptr);
    return Utf8(text);
}

struct Search {
    DWORD pid;
    bool wantConfigDialog;
    HWND found;
};

inline BOOL CALLBACK FindTopDialog(HWND w, LPARAM param) {
    Search* s = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid != s->pid || !IsWindowVisible(w) || ClassOf(w) != "#32770") return TRUE;
    bool isConfig = GetDlgItem(w, 1002) != nullptr;
    if (isConfig != s->wantConfigDialog) return TRUE;
    s->found = w;
    return FALSE;
}

// The caption of a top-level window of another process as its title bar shows it.
// GetWindowTextW reads it from the window itself; WM_GETTEXT would pass it through the
// ANSI procedure of a dialog made by DialogBoxParamA.
inline std::string CaptionOf(HWND w) {
    wchar_t text[512] = {0};
    GetWindowTextW(w, text, sizeof text / sizeof text[0]);
    return Utf8(text);
}

inline BOOL CALLBACK CollectStatics(HWND w, LPARAM param) {
    std::string* longest = reinterpret_cast<std::string*>(param);
    if (ClassOf(w) == "Static") {
        std::string text = TextOf(w);
        if (text.size() > longest->size()) *longest = text;
    }
    return TRUE;
}

class ConfigDialog {
public:
    ConfigDialog() { ZeroMemory(&process_, sizeof process_); }
    ~ConfigDialog() { Stop(); }

    // Starts the program in configuration mode with the C runtime's time zone tz.
    bool Start(const char* tz = "UTC0") {
        char exe[MAX_PATH] = {0};
        GetModuleFileNameA(nullptr, exe, sizeof exe);
        std::string dir(exe);
        dir = dir.substr(0, dir.find_last_of('\\') + 1);
        std::string command = "\"" + dir + "Selenarium.scr\" /c";
        std::vector<char> env = EnvironmentWith(std::string("TZ=") + tz);
        STARTUPINFOA si;
        ZeroMemory(&si, sizeof si);
        si.cb = sizeof si;
        std::vector<char> cmd(command.begin(), command.end());
        cmd.push_back(0);
        if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, env.data(), nullptr, &si, &process_))
            return false;
        WaitUntil([this] { return (dialog_ = FindWindowOfProcess(true)) != nullptr; });
        return dialog_ != nullptr;
    }

    HWND dialog() const { return dialog_; }
    HWND item(int id) const { return GetDlgItem(dialog_, id); }

    // A message box of the program, or null.
    HWND MessageBoxWindow() const { return FindWindowOfProcess(false); }
    HWND WaitForMessageBox() const {
        HWND box = nullptr;
        WaitUntil([&] { return (box = MessageBoxWindow()) != nullptr; });
        return box;
    }
    static std::string MessageText(HWND box) {
        std::string text;
        EnumChildWindows(box, CollectStatics, reinterpret_cast<LPARAM>(&text));
        return text;
    }
    // Answers a message box and waits until the dialog has finished the command that
    // showed it (it then handles a sent message again).
    void Answer(HWND box, int button) {
        PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
        WaitUntil([&] { return !IsWindow(box); });
        Settle();
    }
    void Settle() const { SendMessageTimeoutA(dialog_, WM_NULL, 0, 0, SMTO_BLOCK, 20000, nullptr); }

    // Commands: Send for those that show no message box, Post for those that may.
    void Send(int id, int notification = 0) const {
        SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(id, notification), reinterpret_cast<LPARAM>(item(id)));
    }
    void Post(int id, int notification = 0) const {
        PostMessageA(dialog_, WM_COMMAND, MAKEWPARAM(id, notification), reinterpret_cast<LPARAM>(item(id)));
    }
    // Types a UTF-8 text into a control.
    void SetText(int id, const std::string& text) const {
        std::wstring wide = Wide(text);
        SendMessageW(item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    }
    std::string Text(int id) const { return TextOf(item(id)); }
    // Picks the item at a box position as a user would (selection, then the notice).
    void Pick(int boxId, int index) const {
        SendMessageA(item(boxId), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        Send(boxId, CBN_SELCHANGE);
    }
    int Selection(int boxId) const { return static_cast<int>(SendMessageA(item(boxId), CB_GETCURSEL, 0, 0)); }
    int Count(int boxId) const { return static_cast<int>(SendMessageA(item(boxId), CB_GETCOUNT, 0, 0)); }
    int Find(int boxId, const std::string& text) const {
        std::wstring wide = Wide(text);
        return static_cast<int>(
            SendMessageW(item(boxId), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(wide.c_str())));
    }
    // The text of a box item as UTF-8.
    std::string ItemText(int boxId, int index) const {
        wchar_t text[512] = {0};
        if (SendMessageW(item(boxId), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0) >= 512) return std::string();
        SendMessageW(item(boxId), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        return Utf8(text);
    }

    // Waits for the program to end; its exit code, or -1 on time-out.
    int WaitForExit() {
        if (process_.hProcess == nullptr) return -1;
        if (WaitForSingleObject(process_.hProcess, 20000) != WAIT_OBJECT_0) return -1;
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return static_cast<int>(code);
    }

    void Stop() {
        if (process_.hProcess == nullptr) return;
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.hProcess, 99);
            WaitForSingleObject(process_.hProcess, 10000);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
        ZeroMemory(&process_, sizeof process_);
        dialog_ = nullptr;
    }

private:
    HWND FindWindowOfProcess(bool configDialog) const {
        Search s = {process_.dwProcessId, configDialog, nullptr};
        EnumWindows(FindTopDialog, reinterpret_cast<LPARAM>(&s));
        return s.found;
    }

    static std::vector<char> EnvironmentWith(const std::string& setting) {
        std::string name = setting.substr(0, setting.find('=') + 1);
        std::vector<char> block;
        char* env = GetEnvironmentStringsA();
        for (const char* p = env; *p != 0; p += strlen(p) + 1) {
            if (_strnicmp(p, name.c_str(), name.size()) == 0) continue;
            block.insert(block.end(), p, p + strlen(p) + 1);
        }
        FreeEnvironmentStringsA(env);
        block.insert(block.end(), setting.begin(), setting.end());
        block.push_back(0);
        block.push_back(0);
        return block;
    }

    PROCESS_INFORMATION process_;
    HWND dialog_ = nullptr;
};

}  // namespace dialogdrv

#endif
