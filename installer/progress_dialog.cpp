#include "installer/progress_dialog.h"

#include <commctrl.h>
#include <shellapi.h>

#include "installer/extract_payload.h"
#include "installer/install_plan.h"
#include "installer/seed_settings.h"
#include "installer/setup_ids.h"
#include "installer/setup_state.h"
#include "installer/setup_strings.h"
#include "settings/ui_text_win.h"
#include "unpacker/unpack_worker.h"

namespace {

// Prepared (settings seeded, timer 2 pending) -> writing files -> unpacking -> finished,
// or cancelled from any of the first three. Whichever of the worker's report and Cancel
// comes first ends the dialog; the other is then ignored.
enum ProgressState { Prepared, WritingFiles, Unpacking, Finished, Cancelled };
ProgressState State = Prepared;

void SetStatus(HWND dialog, int stringId) {
  SetDlgItemUiText(dialog, IDC_PROGRESS_STATUS, SetupText(stringId));
}

BOOL InitProgressDialog(HWND dialog) {
  State = Prepared;
  SetStatus(dialog, SetupStrCopying);
  // Without the product key nothing can be installed: wait for Cancel.
  if (!PrepareProductKey()) return TRUE;
  SeedSettings(InstallFolder, CurrentUiLanguage() == UiRussian);
  SetUiWindowText(dialog, SetupText(SetupStrCaption));
  SendDlgItemMessageA(dialog, IDC_PROGRESS_BAR, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
  SendDlgItemMessageA(dialog, IDC_PROGRESS_BAR, PBM_SETSTEP, 1, 0);
  SendDlgItemMessageA(dialog, IDC_PROGRESS_BAR, PBM_SETPOS, 0, 0);
  SetTimer(dialog, ProgressExtractTimer, 10, nullptr);
  return TRUE;
}

void ReportOutcome(HWND dialog, bool installed) {
  // The worker sent its outcome and waits; it has nothing left to do, so it may end
  // before the hand-over and the message boxes below run.
  if (InSendMessage()) ReplyMessage(0);
  State = Finished;
  // The worker stops the animation too, but a timer belongs to this thread.
  KillTimer(dialog, ProgressAnimationTimer);
  if (installed) {
    ShellExecuteA(nullptr, "open", "rundll32.exe",
                  ScreenSaverInstallParameters(ScreenSaverPath).c_str(), nullptr, SW_SHOWNORMAL);
    UiMessageBox(dialog, SetupText(SetupStrComplete), SetupMessageTitle,
                 MB_OK | MB_ICONINFORMATION | MB_TOPMOST);
  } else {
    UiMessageBox(dialog, SetupText(SetupStrNotComplete), SetupMessageTitle,
                 MB_OK | MB_ICONWARNING | MB_TOPMOST);
  }
  EndDialog(dialog, installed ? 1 : 0);
}

void StartUnpacking(HWND dialog) {
  SetTimer(dialog, ProgressAnimationTimer, 100, nullptr);
  SendDlgItemMessageA(dialog, IDC_PROGRESS_BAR, PBM_SETPOS, 0, 0);
  SetStatus(dialog, SetupStrUnpacking);
  State = Unpacking;
  SetUnpackWorkerInput(InstallFolder, ExtractionOutcome);
  DWORD threadId;
  HANDLE worker = CreateThread(nullptr, 0, UnpackWorker, dialog, 0, &threadId);
  if (!worker) {
    ReportOutcome(dialog, false);  // no worker will ever report
    return;
  }
  CloseHandle(worker);
}

void OnTimer(HWND dialog, UINT_PTR timer) {
  switch (timer) {
    case ProgressExtractTimer:
      KillTimer(dialog, ProgressExtractTimer);
      State = WritingFiles;
      ExtractionOutcome = ExtractPayload(dialog);
      if (State == WritingFiles) SetTimer(dialog, ProgressUnpackTimer, 1, nullptr);
      break;
    case ProgressUnpackTimer:
      KillTimer(dialog, ProgressUnpackTimer);
      if (State == WritingFiles) StartUnpacking(dialog);
      break;
    case ProgressAnimationTimer: {
      LRESULT position = SendDlgItemMessageA(dialog, IDC_PROGRESS_BAR, PBM_GETPOS, 0, 0);
      SendDlgItemMessageA(dialog, IDC_PROGRESS_BAR, PBM_SETPOS, (position + 2) % 100, 0);
      break;
    }
  }
}

void Cancel(HWND dialog) {
  if (State == Finished || State == Cancelled) return;
  State = Cancelled;
  KillTimer(dialog, ProgressAnimationTimer);
  KillTimer(dialog, ProgressExtractTimer);
  KillTimer(dialog, ProgressUnpackTimer);
  UiMessageBox(dialog, SetupText(SetupStrInterrupted), SetupMessageTitle,
               MB_OK | MB_ICONWARNING | MB_TOPMOST);
  EndDialog(dialog, 0);
}

}  // namespace

INT_PTR CALLBACK ProgressDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return InitProgressDialog(dialog);
    case WM_TIMER:
      OnTimer(dialog, wParam);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_PROGRESS_OUTCOME) {
        // Only the worker's report counts: the Enter key also sends command 1, from
        // this thread, and must not end the installation.
        if (State == Unpacking && InSendMessage()) ReportOutcome(dialog, lParam == 1);
        return TRUE;
      }
      if (LOWORD(wParam) == IDC_PROGRESS_CANCEL) {
        Cancel(dialog);
        return TRUE;
      }
      break;
  }
  return FALSE;
}
