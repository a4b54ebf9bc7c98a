// What the installer fixes before the unpacking starts and what it remembers for the
// hand-over: the chosen folder, where the screensaver went and whether every payload
// file was written.
#ifndef SELENARIUM_SETUP_STATE_H
#define SELENARIUM_SETUP_STATE_H

// 298 typed characters, the appended backslash and the terminating zero.
constexpr int InstallFolderSize = 300;
constexpr int ScreenSaverPathSize = 520;

extern char InstallFolder[InstallFolderSize];     // always ends with a backslash
extern char ScreenSaverPath[ScreenSaverPathSize]; // system folder + "\Selenarium.scr"
extern bool ExtractionOutcome;                     // true when every payload file was written

#endif
