// Writes the payload files carried in the installer's resources.
#ifndef SELENARIUM_EXTRACT_PAYLOAD_H
#define SELENARIUM_EXTRACT_PAYLOAD_H

#include <windows.h>

// Writes every payload file (the screensaver into the system folder, the rest into
// InstallFolder), advancing the progress dialog's bar after each; true when all of them
// were written. Sets ScreenSaverPath.
bool ExtractPayload(HWND progressDialog);

#endif
