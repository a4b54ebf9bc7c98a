// The configuration dialog's state and operations (Windows edge). One dialog per
// process; its procedure is SceneConfigDialogProc (shell/scene_interface.h).
#ifndef SELENARIUM_SETTINGS_CONFIG_DIALOG_H
#define SELENARIUM_SETTINGS_CONFIG_DIALOG_H

#include <windows.h>

#include "settings/place_file.h"
#include "settings/ui_strings.h"

struct ConfigDialogState {
    HWND dialog;
    double latitude;   // degrees, north positive
    double longitude;  // degrees, east positive
    PlaceList* places; // the list of the current language
};

// The process-wide dialog state.
ConfigDialogState& DialogState();

// Dialog operations.
void InitLanguageBox(HWND dialog);
void ChangeLanguage(HWND dialog);
void ApplyDialogLabels(HWND dialog, double latitude, double longitude);
void ShowCoordinates();
void ReadCoordinateEdits();
// Reads the coordinate edits; false, after warning the user, when they are off the globe.
bool ReadPlaceWithinRange();
void ToggleLatitudeHemisphere();
void ToggleLongitudeHemisphere();
void SetDlgItemUiString(HWND dialog, int controlId, int stringId);

// City list operations on the city box.
void LoadPlaceList();
void FillPlaceBox();
void SelectPlace(int boxIndex);
int DefaultCityIndex();
void AddPlace();
void DeletePlace();

// A message box over the dialog.
int ShowDialogMessage(const char* text, const char* caption, UINT style);

INT_PTR CALLBACK AboutDialogProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);

#endif
