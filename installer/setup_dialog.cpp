#include "installer/setup_dialog.h"

#include <shlobj.h>
#include <string>

#include "installer/install_plan.h"
#include "installer/setup_ids.h"
#include "installer/setup_state.h"
#include "installer/setup_strings.h"
#include "settings/ui_text_win.h"

namespace {

// The welcome text painted beside the picture, in the current language (SetUiLanguage
// also switches the run-time locale).
wchar_t WelcomeText[256];
HFONT WelcomeFont;

HFONT CreateWelcomeFont() {
  return CreateFontA(-14, 0, 0, 0, 600, FALSE, FALSE, FALSE, 204, OUT_STROKE_PRECIS,
                     CLIP_STROKE_PRECIS, DRAFT_QUALITY, VARIABLE_PITCH | FF_ROMAN, "Sans Serif");
}

std::string ProgramFilesFolder() {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", 0,
                    KEY_READ, &key) != ERROR_SUCCESS) {
    return ProposeInstallFolder(nullptr);
  }
  char folder[300] = {};
  DWORD size = 299;
  DWORD type = 0;
  LONG result = RegQueryValueExA(key, "ProgramFilesDir", nullptr, &type,
                                 reinterpret_cast<BYTE*>(folder), &size);
  RegCloseKey(key);
  return ProposeInstallFolder(result == ERROR_SUCCESS ? folder : nullptr);
}

void PaintWelcome(HWND dialog) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(dialog, &paint);
  RECT picture;
  GetWindowRect(GetDlgItem(dialog, IDC_SETUP_PICTURE), &picture);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&picture), 2);
  RECT client;
  GetClientRect(dialog, &client);
  RECT area = {picture.right + 3,
               WelcomeTextTop(picture.top, picture.bottom, CurrentUiLanguage() == UiRussian),
               client.right, client.bottom};
  HGDIOBJ oldFont = SelectObject(dc, WelcomeFont);
  int oldMode = SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, WelcomeText, -1, &area, DT_CENTER);
  SetBkMode(dc, oldMode);
  SelectObject(dc, oldFont);
  EndPaint(dialog, &paint);
}

void BrowseForFolder(HWND dialog) {
  // The folder browser needs COM on this thread; a second initialisation is harmless.
  CoInitialize(nullptr);
  LPITEMIDLIST root = nullptr;
  SHGetSpecialFolderLocation(dialog, CSIDL_DRIVES, &root);
  wchar_t display[MAX_PATH] = {};
  std::wstring title = UiTextToWide(SetupText(SetupStrBrowseTitle));
  BROWSEINFOW browse = {};
  browse.hwndOwner = dialog;
  browse.pidlRoot = root;
  browse.pszDisplayName = display;
  browse.lpszTitle = title.c_str();
  browse.ulFlags = BIF_DONTGOBELOWDOMAIN;
  // The folder itself stays in the system's code page, as the file calls take it.
  LPITEMIDLIST chosen = SHBrowseForFolderW(&browse);
  if (chosen) {
    char path[MAX_PATH] = {};
    if (SHGetPathFromIDListA(chosen, path)) SetDlgItemTextA(dialog, IDC_SETUP_FOLDER, path);
    CoTaskMemFree(chosen);
  }
  if (root) CoTaskMemFree(root);
}

bool ConfirmCancel(HWND dialog) {
  return UiMessageBox(dialog, SetupText(SetupStrCancelQuestion), SetupMessageTitle,
                      MB_OKCANCEL | MB_DEFBUTTON2 | MB_ICONINFORMATION | MB_TOPMOST) == IDOK;
}

void ChooseInstall(HWND dialog) {
  char typed[kInstallFolderMaxTyped + 1] = {};
  GetDlgItemTextA(dialog, IDC_SETUP_FOLDER, typed, sizeof typed);
  lstrcpynA(InstallFolder, FinishInstallFolder(typed).c_str(), InstallFolderSize);
  EndDialog(dialog, SetupChoseInstall);
}

BOOL InitSetupDialog(HWND dialog) {
  LoadSetupStrings();
  FillLanguageList(dialog);
  ApplySetupLanguage(dialog);
  WelcomeFont = CreateWelcomeFont();
  SetDlgItemTextA(dialog, IDC_SETUP_FOLDER, ProgramFilesFolder().c_str());
  // The program's icon on the title bar and the task bar, each in its own size.
  HINSTANCE instance = GetModuleHandleA(nullptr);
  HANDLE bigIcon = LoadImageA(instance, MAKEINTRESOURCEA(IDI_SETUP), IMAGE_ICON,
                              GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0);
  HANDLE smallIcon = LoadImageA(instance, MAKEINTRESOURCEA(IDI_SETUP), IMAGE_ICON,
                                GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0);
  SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
  SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
  return TRUE;
}

}  // namespace

void FillLanguageList(HWND dialog) {
  HWND list = GetDlgItem(dialog, IDC_SETUP_LANGUAGE);
  SendMessageA(list, CB_RESETCONTENT, 0, 0);
  SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("English"));
  SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Russian"));
  SendMessageA(list, CB_SETCURSEL, 0, 0);
  SetUiLanguage(UiEnglish);
}

void ApplySetupLanguage(HWND dialog) {
  LRESULT selected = SendDlgItemMessageA(dialog, IDC_SETUP_LANGUAGE, CB_GETCURSEL, 0, 0);
  UiLanguage language = CurrentUiLanguage();
  if (selected == 0) language = UiEnglish;
  if (selected == 1) language = UiRussian;
  SetUiLanguage(language);
  SetUiWindowText(dialog, SetupText(SetupStrCaption));
  SetDlgItemUiText(dialog, IDC_SETUP_CANCEL, SetupText(SetupStrCancel));
  SetDlgItemUiText(dialog, IDC_SETUP_INSTALL, SetupText(SetupStrInstall));
  SetDlgItemUiText(dialog, IDC_SETUP_MAKER, SetupText(SetupStrMakerLine));
  SetDlgItemUiText(dialog, IDC_SETUP_BROWSE, SetupText(SetupStrBrowse));
  SetDlgItemUiText(dialog, IDC_SETUP_FOLDER_LABEL, SetupText(SetupStrFolderPrompt));
  SetDlgItemUiText(dialog, IDC_SETUP_VERSION, SetupText(SetupStrVersion));
  SetDlgItemUiText(dialog, IDC_SETUP_LANGUAGE_LABEL, SetupText(SetupStrLanguage));
  lstrcpynW(WelcomeText, UiTextToWide(SetupText(SetupStrWelcome)).c_str(),
            sizeof WelcomeText / sizeof WelcomeText[0]);
  InvalidateRect(dialog, nullptr, TRUE);
  UpdateWindow(dialog);
}

INT_PTR CALLBACK SetupDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      return InitSetupDialog(dialog);
    case WM_PAINT:
      PaintWelcome(dialog);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_SETUP_INSTALL:
          ChooseInstall(dialog);
          return TRUE;
        case IDC_SETUP_CANCEL:
        case IDCANCEL:
          if (ConfirmCancel(dialog)) EndDialog(dialog, SetupCancelled);
          return TRUE;
        case IDC_SETUP_BROWSE:
          BrowseForFolder(dialog);
          return TRUE;
        case IDC_SETUP_LANGUAGE:
          if (HIWORD(wParam) == CBN_SELCHANGE) ApplySetupLanguage(dialog);
          return TRUE;
      }
      break;
    case WM_DESTROY:
      if (WelcomeFont) DeleteObject(WelcomeFont);
      WelcomeFont = nullptr;
      break;
  }
  return FALSE;
}
