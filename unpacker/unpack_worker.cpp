// UnpackWorker: the installer's unpacking thread and its report to the progress dialog.
#include "unpack_worker.h"

#include <commctrl.h>
#include <cstdio>
#include <cstring>

#include "unpack_picture.h"

namespace {

// Fixed by the dialog thread before the worker starts; only read afterwards. The setup
// dialog takes a folder of up to 298 characters and a backslash.
char gInstallFolder[320];
bool gExtractionSucceeded;

}  // namespace

void SetUnpackWorkerInput(const char* installFolder, bool extractionSucceeded) {
    std::snprintf(gInstallFolder, sizeof(gInstallFolder), "%s", installFolder ? installFolder : "");
    gExtractionSucceeded = extractionSucceeded;
}

DWORD WINAPI UnpackWorker(LPVOID dialogWindow) {
    HWND dialog = static_cast<HWND>(dialogWindow);
    char packedPath[sizeof(gInstallFolder) + 32];
    char texturePath[sizeof(gInstallFolder) + 32];
    std::snprintf(packedPath, sizeof(packedPath), "%smoon_1024x1024.pack", gInstallFolder);
    std::snprintf(texturePath, sizeof(texturePath), "%smoon_2048x1024.bmp", gInstallFolder);
    // The report has no reader in a windowed program.
    long unpacked = UnpackPicture(packedPath, texturePath, nullptr);
    DeleteFileA(packedPath);
    KillTimer(dialog, kUnpackAnimationTimer);
    SendDlgItemMessageA(dialog, kUnpackProgressBar, PBM_SETPOS, 100, 0);
    ShowWindow(dialog, SW_HIDE);
    const LPARAM outcome = (gExtractionSucceeded && unpacked > 0) ? 1 : 0;
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kUnpackOutcomeCommand, 0), outcome);
    return 0;
}
