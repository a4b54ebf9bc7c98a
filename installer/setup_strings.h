// The installer's own English and Russian texts by id (SetupStrings), built from the
// program's constants; SetupText gives the text in the current language.
#ifndef SELENARIUM_SETUP_STRINGS_H
#define SELENARIUM_SETUP_STRINGS_H

#include "settings/ui_strings.h"

enum SetupStringId {
  SetupStrCancel = 1,
  SetupStrVersion = 5,
  SetupStrBrowse = 6,
  SetupStrInstall = 7,
  SetupStrLanguage = 8,
  SetupStrCaption = 9,
  SetupStrWelcome = 10,
  SetupStrFolderPrompt = 11,
  SetupStrCancelQuestion = 12,
  SetupStrMakerLine = 13,
  SetupStrCopying = 14,
  SetupStrUnpacking = 15,
  SetupStrBrowseTitle = 16,
  SetupStrCantWrite = 17,
  SetupStrNotComplete = 20,
  SetupStrInterrupted = 21,
  SetupStrComplete = 22,
};

// Title of every message box of the installer.
constexpr const char SetupMessageTitle[] = "Selenarium 3D";

extern UiStringTable SetupStrings;

// Fills SetupStrings once; later calls do nothing.
void LoadSetupStrings();
// The text of id in the current UiLanguage ("" for an id without a text).
const char* SetupText(int id);
// The text of id in the given language.
const char* SetupTextIn(int id, UiLanguage language);

#endif
