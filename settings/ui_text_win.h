// Texts of the current language on Windows controls. The program keeps its texts as
// single-byte strings in Windows-1251 (the English ones are ASCII but for a Cyrillic letter
// or two); the ANSI calls would read them with the system's code page, which on many
// systems is not 1251. These helpers convert with 1251 and talk to the controls in UTF-16.
#ifndef SELENARIUM_SETTINGS_UI_TEXT_WIN_H
#define SELENARIUM_SETTINGS_UI_TEXT_WIN_H

#include <windows.h>

#include <string>

#include "settings/ui_strings.h"

// The code page of a language's texts: 1251 for both, as the string table and the city
// files keep them.
UINT UiCodePage(UiLanguage language);

// Single-byte text of the current language to UTF-16 and back. Characters the code page
// cannot hold become '?' and make the result false.
std::wstring UiTextToWide(const char* text);
bool WideToUiText(const wchar_t* text, std::string* out);

// Window and dialog item texts. SetUiWindowText also works on the caption of a window
// whose procedure is an ANSI one (it bypasses the ANSI message conversion).
BOOL SetUiWindowText(HWND window, const char* text);
BOOL SetDlgItemUiText(HWND dialog, int id, const char* text);
// The window's text (at most maxChars characters) in the current language's code page;
// false when some character had to be replaced.
bool GetUiWindowText(HWND window, int maxChars, std::string* out);
// As GetDlgItemTextA: copies at most size - 1 bytes into buffer; returns the bytes copied.
UINT GetDlgItemUiText(HWND dialog, int id, char* buffer, int size);

// MessageBox with texts of the current language.
int UiMessageBox(HWND owner, const char* text, const char* caption, UINT style);

// Combo box items in the current language; results as the CB_ messages return them.
LRESULT UiComboAddString(HWND box, const char* text);
LRESULT UiComboFindStringExact(HWND box, int start, const char* text);

#endif
