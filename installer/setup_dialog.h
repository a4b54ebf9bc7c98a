// The setup dialog: language, install folder, Install and Cancel.
#ifndef SELENARIUM_SETUP_DIALOG_H
#define SELENARIUM_SETUP_DIALOG_H

#include <windows.h>

// Ends the setup dialog when the user chose Install (InstallFolder is then set).
constexpr INT_PTR SetupChoseInstall = 1;
constexpr INT_PTR SetupCancelled = 2;

void FillLanguageList(HWND dialog);
void ApplySetupLanguage(HWND dialog);

INT_PTR CALLBACK SetupDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
