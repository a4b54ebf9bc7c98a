// Stands in for rundll32.exe in a test's Wine prefix: appends its command line to
// C:\rundll32.log so a test can see what the installer handed to the control panel.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  HANDLE log = CreateFileA("C:\\rundll32.log", FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (log == INVALID_HANDLE_VALUE) return 1;
  const char* line = GetCommandLineA();
  DWORD written;
  WriteFile(log, line, lstrlenA(line), &written, nullptr);
  WriteFile(log, "\n", 1, &written, nullptr);
  CloseHandle(log);
  return 0;
}
