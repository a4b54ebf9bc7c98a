// The configuration dialog: labels in the current language, the coordinate edits and
// hemisphere buttons, the switches, and the command table.
#include "settings/config_dialog.h"

#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "settings/coordinates.h"
#include "settings/dialog_ids.h"
#include "settings/settings_store.h"
#include "settings/ui_text_win.h"
#include "shell/scene_interface.h"

namespace {

const int kCoordinateEdits[6] = {IDC_LAT_DEGREES, IDC_LAT_MINUTES, IDC_LAT_SECONDS,
                                 IDC_LON_DEGREES, IDC_LON_MINUTES, IDC_LON_SECONDS};

void WriteByteSetting(const char* name, unsigned char value) { WriteSetting(SettingsSubKey, name, &value, 1); }

// A stored coordinate replaces the default only when it is a usable angle.
void ReadCoordinateSetting(const char* name, double limit, double* value) {
    double stored = *value;
    if (ReadSetting(SettingsSubKey, name, &stored, sizeof stored) && isfinite(stored) && fabs(stored) <= limit)
        *value = stored;
}

double ReadEditNumber(HWND dialog, int id) {
    char text[19] = {0};  // at most 18 characters
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return atof(text);
}

void SetEditNumber(HWND dialog, int id, int value) {
    char text[16];
    snprintf(text, sizeof text, "%d", value);
    SetDlgItemTextA(dialog, id, text);
}

void ReadSwitch(HWND dialog, int id, const char* name) {
    unsigned char value = 1;
    ReadSetting(SettingsSubKey, name, &value, 1);
    CheckDlgButton(dialog, id, (value & 1) ? BST_CHECKED : BST_UNCHECKED);
}

void StoreSwitch(HWND dialog, int id, const char* name) {
    WriteByteSetting(name, static_cast<unsigned char>(IsDlgButtonChecked(dialog, id) & 1));
}

void InitDialog(HWND dialog) {
    ConfigDialogState& s = DialogState();
    s.dialog = dialog;
    s.latitude = DialogDefaultLatitude;
    s.longitude = DialogDefaultLongitude;
    InitLanguageBox(dialog);
    LoadUiStrings();
    ApplyDialogLabels(dialog, s.latitude, s.longitude);
    ReadCoordinateSetting(SettingLatitude, 90.0, &s.latitude);
    ReadCoordinateSetting(SettingLongitude, 180.0, &s.longitude);
    // Names in the city files are at most this long, so a new one is too.
    SendDlgItemMessageA(dialog, IDC_CITY_BOX, CB_LIMITTEXT, PlaceNameInputMaxBytes, 0);
    ShowCoordinates();
    FillPlaceBox();
    ReadSwitch(dialog, IDC_SHOW_STARS, SettingShowStar);
    ReadSwitch(dialog, IDC_SHOW_TEXT, SettingShowText);
}

void OnOk(HWND dialog) {
    ConfigDialogState& s = DialogState();
    if (!ReadPlaceWithinRange()) return;
    WriteSetting(SettingsSubKey, SettingLatitude, &s.latitude, sizeof s.latitude);
    WriteSetting(SettingsSubKey, SettingLongitude, &s.longitude, sizeof s.longitude);
    EndDialog(dialog, 1);
}

void OnCommand(HWND dialog, int id, int notification) {
    switch (id) {
    case IDOK:
        OnOk(dialog);
        break;
    case IDCANCEL:
        EndDialog(dialog, 2);
        break;
    case IDC_CITY_BOX:
        if (notification == CBN_SELCHANGE) {
            SelectPlace(static_cast<int>(SendDlgItemMessageA(dialog, IDC_CITY_BOX, CB_GETCURSEL, 0, 0)));
            WriteByteSetting(SettingPlaceOther, 0);
        }
        break;
    case IDC_LAT_DEGREES:
    case IDC_LAT_MINUTES:
    case IDC_LAT_SECONDS:
    case IDC_LON_DEGREES:
    case IDC_LON_MINUTES:
    case IDC_LON_SECONDS:
        if (SendDlgItemMessageA(dialog, id, EM_GETMODIFY, 0, 0)) {
            SendDlgItemMessageA(dialog, id, EM_SETMODIFY, FALSE, 0);
            WriteByteSetting(SettingPlaceOther, 1);
        }
        break;
    case IDC_LAT_HEMISPHERE:
        ToggleLatitudeHemisphere();
        WriteByteSetting(SettingPlaceOther, 1);
        break;
    case IDC_LON_HEMISPHERE:
        ToggleLongitudeHemisphere();
        WriteByteSetting(SettingPlaceOther, 1);
        break;
    case IDC_SHOW_STARS:
        StoreSwitch(dialog, IDC_SHOW_STARS, SettingShowStar);
        break;
    case IDC_SHOW_TEXT:
        StoreSwitch(dialog, IDC_SHOW_TEXT, SettingShowText);
        break;
    case IDC_ADD_PLACE:
        AddPlace();
        break;
    case IDC_DELETE_PLACE:
        DeletePlace();
        break;
    case IDC_LANGUAGE_BOX:
        if (notification == CBN_SELCHANGE) ChangeLanguage(dialog);
        break;
    case IDC_ABOUT:
        DialogBoxParamW(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(dialog, GWLP_HINSTANCE)),
                        MAKEINTRESOURCEW(IDD_ABOUT_BOX), dialog, AboutDialogProc, 0);
        break;
    default:
        break;
    }
}

}  // namespace

ConfigDialogState& DialogState() {
    static PlaceList* places = new PlaceList();
    static ConfigDialogState state = {nullptr, DialogDefaultLatitude, DialogDefaultLongitude, places};
    return state;
}

void SetDlgItemUiString(HWND dialog, int controlId, int stringId) {
    SetDlgItemUiText(dialog, controlId, UiString(stringId));
}

void InitLanguageBox(HWND dialog) {
    int value = ReadLanguageSetting();
    HWND box = GetDlgItem(dialog, IDC_LANGUAGE_BOX);
    SendMessageA(box, CB_RESETCONTENT, 0, 0);
    SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("English"));
    SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Russian"));
    SendMessageA(box, CB_SETCURSEL, (value == 0 || value == 1) ? value : -1, 0);
    SetUiLanguage(LanguageFromSetting(value, CurrentUiLanguage()));
}

void ChangeLanguage(HWND dialog) {
    ConfigDialogState& s = DialogState();
    int selection = static_cast<int>(SendDlgItemMessageA(dialog, IDC_LANGUAGE_BOX, CB_GETCURSEL, 0, 0));
    SetUiLanguage(LanguageFromSetting(selection, CurrentUiLanguage()));
    ApplyDialogLabels(dialog, s.latitude, s.longitude);
    WriteSetting(SettingsSubKey, SettingLanguage, &selection, sizeof selection);
    FillPlaceBox();
}

void ApplyDialogLabels(HWND dialog, double latitude, double longitude) {
    SetUiWindowText(dialog, UiString(StrDialogTitle));
    SetDlgItemUiString(dialog, IDC_SHOW_STARS, StrShowStars);
    SetDlgItemUiString(dialog, IDC_SHOW_TEXT, StrShowText);
    SetDlgItemUiString(dialog, IDC_PLACE_GROUP, StrObserverPlace);
    SetDlgItemUiString(dialog, IDC_LATITUDE_LABEL, StrLatitude);
    SetDlgItemUiString(dialog, IDC_LONGITUDE_LABEL, StrLongitude);
    SetDlgItemUiString(dialog, IDC_LAT_HEMISPHERE, latitude > 0 ? StrNorthern : StrSouthern);
    SetDlgItemUiString(dialog, IDC_LON_HEMISPHERE, longitude > 0 ? StrEastern : StrWestern);
    SetDlgItemUiString(dialog, IDC_CITY_LABEL, StrCityList);
    SetDlgItemUiString(dialog, IDC_ADD_PLACE, StrAddPlace);
    SetDlgItemUiString(dialog, IDC_DELETE_PLACE, StrDeletePlace);
    SetDlgItemUiString(dialog, IDC_DMS_HEADER, StrDmsHeader);
    SetDlgItemUiString(dialog, IDC_LANGUAGE_LABEL, StrLanguage);
    SetDlgItemUiString(dialog, IDC_ABOUT, StrAbout);
}

void ShowCoordinates() {
    ConfigDialogState& s = DialogState();
    DegreeParts la = SplitDegrees(s.latitude);
    DegreeParts lo = SplitDegrees(s.longitude);
    SetEditNumber(s.dialog, IDC_LAT_DEGREES, la.degrees);
    SetEditNumber(s.dialog, IDC_LAT_MINUTES, la.minutes);
    SetEditNumber(s.dialog, IDC_LAT_SECONDS, la.seconds);
    SetEditNumber(s.dialog, IDC_LON_DEGREES, lo.degrees);
    SetEditNumber(s.dialog, IDC_LON_MINUTES, lo.minutes);
    SetEditNumber(s.dialog, IDC_LON_SECONDS, lo.seconds);
    SetDlgItemUiString(s.dialog, IDC_LAT_HEMISPHERE, s.latitude > 0 ? StrNorthern : StrSouthern);
    SetDlgItemUiString(s.dialog, IDC_LON_HEMISPHERE, s.longitude > 0 ? StrEastern : StrWestern);
    WriteSetting(SettingsSubKey, SettingLatitude, &s.latitude, sizeof s.latitude);
    WriteSetting(SettingsSubKey, SettingLongitude, &s.longitude, sizeof s.longitude);
}

void ReadCoordinateEdits() {
    ConfigDialogState& s = DialogState();
    double v[6];
    for (int i = 0; i < 6; ++i) v[i] = ReadEditNumber(s.dialog, kCoordinateEdits[i]);
    s.latitude = JoinDegrees(v[0], v[1], v[2]);
    s.longitude = JoinDegrees(v[3], v[4], v[5]);
    char text[64] = {0};
    GetDlgItemUiText(s.dialog, IDC_LAT_HEMISPHERE, text, sizeof text);
    if (strcmp(text, UiString(StrNorthern)) != 0) s.latitude = -s.latitude;
    memset(text, 0, sizeof text);
    GetDlgItemUiText(s.dialog, IDC_LON_HEMISPHERE, text, sizeof text);
    if (strcmp(text, UiString(StrEastern)) != 0) s.longitude = -s.longitude;
}

void ToggleLatitudeHemisphere() {
    ConfigDialogState& s = DialogState();
    s.latitude = -s.latitude;
    SetDlgItemUiString(s.dialog, IDC_LAT_HEMISPHERE, s.latitude > 0 ? StrNorthern : StrSouthern);
}

void ToggleLongitudeHemisphere() {
    ConfigDialogState& s = DialogState();
    s.longitude = -s.longitude;
    SetDlgItemUiString(s.dialog, IDC_LON_HEMISPHERE, s.longitude > 0 ? StrEastern : StrWestern);
}

bool ReadPlaceWithinRange() {
    ConfigDialogState& s = DialogState();
    ReadCoordinateEdits();
    // Written as "not within" so that a value that is not a number is refused too.
    if (!(fabs(s.longitude) <= 180.0)) {
        ShowDialogMessage(UiString(StrLongitudeRange), "Selenarium", MB_OK | MB_ICONWARNING);
        return false;
    }
    if (!(fabs(s.latitude) <= 90.0)) {
        ShowDialogMessage(UiString(StrLatitudeRange), "Selenarium", MB_OK | MB_ICONWARNING);
        return false;
    }
    return true;
}

int ShowDialogMessage(const char* text, const char* caption, UINT style) {
    return UiMessageBox(DialogState().dialog, text, caption, style);
}

INT_PTR CALLBACK SceneConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        InitDialog(dialog);
        return 0;
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        return 1;
    default:
        return 0;
    }
}
