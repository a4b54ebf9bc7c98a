// setup_selenarium: the setup dialog, then (on Install) the progress dialog.
#include <windows.h>
#include <commctrl.h>

#include "installer/progress_dialog.h"
#include "installer/setup_dialog.h"
#include "installer/setup_ids.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  InitCommonControls();
  if (DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_SETUP), nullptr, SetupDialogProc, 0) ==
      SetupChoseInstall) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_PROGRESS), nullptr, ProgressDialogProc, 0);
  }
  return 0;
}
