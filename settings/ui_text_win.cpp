#include "settings/ui_text_win.h"

#include <vector>

namespace {

std::wstring ToWide(const char* text, UINT codePage) {
    if (text == nullptr || text[0] == 0) return std::wstring();
    int length = MultiByteToWideChar(codePage, 0, text, -1, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::vector<wchar_t> wide(static_cast<size_t>(length));
    MultiByteToWideChar(codePage, 0, text, -1, wide.data(), length);
    return std::wstring(wide.data());
}

}  // namespace

UINT UiCodePage(UiLanguage) { return 1251; }

std::wstring UiTextToWide(const char* text) { return ToWide(text, UiCodePage(CurrentUiLanguage())); }

bool WideToUiText(const wchar_t* text, std::string* out) {
    out->clear();
    if (text == nullptr || text[0] == 0) return true;
    UINT codePage = UiCodePage(CurrentUiLanguage());
    // No best fit: a letter the code page lacks must not turn silently into another one.
    int size = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text, -1, nullptr, 0, "?", nullptr);
    if (size <= 0) return false;
    std::vector<char> bytes(static_cast<size_t>(size));
    BOOL replaced = FALSE;
    WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text, -1, bytes.data(), size, "?", &replaced);
    out->assign(bytes.data());
    return !replaced;
}

BOOL SetUiWindowText(HWND window, const char* text) {
    std::wstring wide = UiTextToWide(text);
    // DefWindowProcW stores the text as given; SetWindowTextW would pass it through the
    // window procedure, which loses it when that procedure is an ANSI one.
    return static_cast<BOOL>(DefWindowProcW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str())));
}

BOOL SetDlgItemUiText(HWND dialog, int id, const char* text) {
    return SetDlgItemTextW(dialog, id, UiTextToWide(text).c_str());
}

bool GetUiWindowText(HWND window, int maxChars, std::string* out) {
    std::vector<wchar_t> wide(static_cast<size_t>(maxChars) + 1, 0);
    GetWindowTextW(window, wide.data(), maxChars + 1);
    return WideToUiText(wide.data(), out);
}

UINT GetDlgItemUiText(HWND dialog, int id, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) return 0;
    std::string text;
    GetUiWindowText(GetDlgItem(dialog, id), size - 1, &text);
    lstrcpynA(buffer, text.c_str(), size);
    return static_cast<UINT>(lstrlenA(buffer));
}

int UiMessageBox(HWND owner, const char* text, const char* caption, UINT style) {
    return MessageBoxW(owner, UiTextToWide(text).c_str(), UiTextToWide(caption).c_str(), style);
}

LRESULT UiComboAddString(HWND box, const char* text) {
    std::wstring wide = UiTextToWide(text);
    return SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

LRESULT UiComboFindStringExact(HWND box, int start, const char* text) {
    std::wstring wide = UiTextToWide(text);
    return SendMessageW(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(wide.c_str()));
}

