#include "installer/extract_payload.h"

#include <commctrl.h>
#include <string>

#include "installer/create_folder_path.h"
#include "installer/install_plan.h"
#include "installer/setup_ids.h"
#include "installer/setup_state.h"
#include "installer/setup_strings.h"
#include "settings/ui_text_win.h"

namespace {

// Pause before each file so the bar's movement can be followed.
const DWORD kPausePerFileMs = 50;

std::string ResourceString(UINT id) {
  char text[MAX_PATH] = {};
  LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text);
  return text;
}

// File names are in the system's code page, as the file calls read them.
std::wstring SystemTextToWide(const std::string& text) {
  int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], length);
  wide.resize(static_cast<size_t>(length - 1));
  return wide;
}

std::string SystemFolder() {
  char folder[MAX_PATH] = {};
  UINT length = GetSystemDirectoryA(folder, sizeof folder);
  return length > 0 && length < sizeof folder ? std::string(folder) : std::string();
}

void ShowCantWrite(HWND dialog, const std::string& name) {
  std::wstring text = UiTextToWide(SetupText(SetupStrCantWrite)) + L" " + SystemTextToWide(name);
  MessageBoxW(dialog, text.c_str(), UiTextToWide(SetupMessageTitle).c_str(), MB_OK);
}

// Writes one payload file; false when it could not be written completely.
bool WritePayloadFile(HWND dialog, int index) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDR_PAYLOAD_FIRST + index),
                              PAYLOAD_RESOURCE_TYPE);
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return false;  // an installer built without this file cannot install it
  DWORD size = SizeofResource(module, found);

  std::string name = ResourceString(IDS_PAYLOAD_NAME_FIRST + index);
  std::string path = PayloadTargetPath(index, SystemFolder(), InstallFolder, name);
  if (index == 0) lstrcpynA(ScreenSaverPath, path.c_str(), ScreenSaverPathSize);

  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    ShowCantWrite(dialog, name);
    return false;
  }
  DWORD written = 0;
  BOOL wrote = WriteFile(file, data, size, &written, nullptr);
  CloseHandle(file);
  FreeResource(loaded);
  return wrote && written == size;
}

}  // namespace

bool ExtractPayload(HWND progressDialog) {
  if (!CreateFolderPath(InstallFolder)) return false;
  int count = ParsePayloadFileCount(ResourceString(IDS_PAYLOAD_COUNT).c_str());
  if (count <= 0) return true;
  int step = PayloadProgressStep(count);
  int progress = 0;
  for (int i = 0; i < count; ++i) {
    Sleep(kPausePerFileMs);
    if (!WritePayloadFile(progressDialog, i)) return false;
    progress += step;
    SendDlgItemMessageA(progressDialog, IDC_PROGRESS_BAR, PBM_SETPOS, progress, 0);
  }
  return true;
}
