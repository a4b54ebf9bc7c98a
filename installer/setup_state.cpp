#include "installer/setup_state.h"

char InstallFolder[InstallFolderSize];
char ScreenSaverPath[ScreenSaverPathSize];
bool ExtractionOutcome = false;
