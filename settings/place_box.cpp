// The city box of the configuration dialog and the city file of the current language.
#include <windows.h>
#include <math.h>
#include <stdio.h>
#include <string.h>
#include <time.h>

#include <string>

#include "settings/config_dialog.h"
#include "settings/coordinates.h"
#include "settings/dialog_ids.h"
#include "settings/settings_store.h"
#include "settings/ui_text_win.h"

namespace {

HWND CityBox() { return GetDlgItem(DialogState().dialog, IDC_CITY_BOX); }

int FindInBox(const char* name) {
    LRESULT at = UiComboFindStringExact(CityBox(), -1, name);
    return at == CB_ERR ? -1 : static_cast<int>(at);
}

const char* PlacesPathSetting() {
    return CurrentUiLanguage() == UiEnglish ? SettingPlacesEnglish : SettingPlacesRussian;
}

const char* CityCurrentSetting() {
    return CurrentUiLanguage() == UiEnglish ? SettingCityCurrentEnglish : SettingCityCurrentRussian;
}

int& CityCurrent(PlaceList* list) {
    return CurrentUiLanguage() == UiEnglish ? list->cityCurrentEnglish : list->cityCurrentRussian;
}

std::string ReadPlacesPath() {
    char path[PlacesPathBufferSize + 1] = {0};  // one spare byte keeps it terminated
    if (!ReadSetting(SettingsSubKey, PlacesPathSetting(), path, PlacesPathBufferSize)) return std::string();
    return std::string(path);
}

// The typed or picked name in the current language's code page; characters it cannot
// hold read as '?', so the name shown for confirmation is the one that gets stored.
std::string CityBoxText() {
    std::string name;
    // At most 298 bytes are read; the field itself takes no more than PlaceNameInputMaxBytes.
    GetUiWindowText(CityBox(), PlaceNameInputMaxBytes + 98, &name);
    return name;
}

std::string Format(const char* pattern, const char* value) {
    std::string out;
    const char* at = strstr(pattern, "%s");
    if (at == nullptr) return pattern;
    out.assign(pattern, at);
    out += value;
    out += at + 2;
    return out;
}

}  // namespace

void LoadPlaceList() {
    PlaceList* list = DialogState().places;
    if (!EnsureSettingsKey()) return;
    std::string path = ReadPlacesPath();
    ClearPlaceList(list);
    int current = NoCurrentCity;
    list->cityCurrentRussian = ReadSetting(SettingsSubKey, SettingCityCurrentRussian, &current, 4) ? current : NoCurrentCity;
    current = NoCurrentCity;
    list->cityCurrentEnglish = ReadSetting(SettingsSubKey, SettingCityCurrentEnglish, &current, 4) ? current : NoCurrentCity;
    if (path.empty()) return;
    ReadPlaceFile(path.c_str(), list);
}

void FillPlaceBox() {
    PlaceList* list = DialogState().places;
    LoadPlaceList();
    HWND box = CityBox();
    SendMessageA(box, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < list->count; ++i)
        UiComboAddString(box, list->name[i].c_str());
    int index = CityCurrent(list);
    if (index == NoCurrentCity) {
        index = DefaultCityIndex();
        if (index == -1) index = 0;
    }
    unsigned char placeOther = DefaultPlaceOther;
    ReadSetting(SettingsSubKey, SettingPlaceOther, &placeOther, 1);
    if (placeOther == 0) {
        SelectPlace(index);
        SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
}

void SelectPlace(int boxIndex) {
    ConfigDialogState& s = DialogState();
    PlaceList* list = s.places;
    if (boxIndex < 0) return;
    int record = -1;
    for (int i = 0; i < list->count; ++i) {
        if (FindInBox(list->name[i].c_str()) == boxIndex) {
            record = i;
            break;
        }
    }
    if (record < 0) return;
    CityCurrent(list) = boxIndex;
    WriteSetting(SettingsSubKey, CityCurrentSetting(), &boxIndex, 4);
    s.latitude = list->latitude[record];
    s.longitude = list->longitude[record];
    ShowCoordinates();
}

int DefaultCityIndex() {
    _tzset();
    const char* name = DefaultCityName(ZoneHoursFromOffset(_timezone), CurrentUiLanguage());
    if (name[0] == 0) return -1;
    return FindInBox(name);
}

void AddPlace() {
    ConfigDialogState& s = DialogState();
    PlaceList* list = s.places;
    if (list->count >= PlaceCapacity) {
        ShowDialogMessage(UiString(StrListFull), UiString(StrAddCaption), MB_OK | MB_ICONWARNING);
        return;
    }
    std::string name = CityBoxText();
    if (name.empty()) return;  // nothing typed: there is no place to name
    if (FindInBox(name.c_str()) >= 0) {
        ShowDialogMessage(Format(UiString(StrNameExists), name.c_str()).c_str(), UiString(StrAddCaption),
                          MB_OK | MB_ICONWARNING);
        return;
    }
    // A place outside the globe's range would later be stored as the observer's place.
    if (!ReadPlaceWithinRange()) return;
    std::string confirm = FormatAddConfirmation(UiString(StrAddConfirm), UiString(StrName), name.c_str(),
                                                UiString(StrLatitude), s.latitude, UiString(StrLongitude),
                                                s.longitude);
    if (ShowDialogMessage(confirm.c_str(), UiString(StrAddCaption), MB_YESNO | MB_ICONINFORMATION) != IDYES) return;

    PlaceRecord record = {0, static_cast<float>(s.latitude), static_cast<float>(s.longitude), 0.0f, name};
    std::string path = ReadPlacesPath();
    int fileCount = 0;
    if (!AppendPlaceToFile(path.c_str(), record, &fileCount)) {
        ShowDialogMessage(UiString(StrCannotCreateFile), UiString(StrObserverPlace), MB_OK | MB_ICONWARNING);
        return;
    }
    StorePlace(list, list->count, record);
    list->count = static_cast<int16_t>(list->count + 1);

    UiComboAddString(CityBox(), name.c_str());
    int at = FindInBox(name.c_str());
    if (at >= 0) {
        SelectPlace(at);
        SendMessageA(CityBox(), CB_SETCURSEL, static_cast<WPARAM>(at), 0);
    }
}

void DeletePlace() {
    PlaceList* list = DialogState().places;
    std::string name = CityBoxText();
    int at = FindInBox(name.c_str());
    if (name.empty() || at < 0) {
        std::string text = name.empty() ? std::string(UiString(StrNoCitySelected))
                                         : Format(UiString(StrNameAbsent), name.c_str());
        ShowDialogMessage(text.c_str(), UiString(StrDeleteCaption), MB_OK | MB_ICONWARNING);
        return;
    }
    std::string confirm = std::string(UiString(StrDeleteConfirm)) + " - " + name;
    if (ShowDialogMessage(confirm.c_str(), UiString(StrDeleteCaption), MB_YESNO | MB_DEFBUTTON2 | MB_ICONWARNING) !=
        IDYES)
        return;
    SendMessageA(CityBox(), CB_DELETESTRING, static_cast<WPARAM>(at), 0);
    std::string path = ReadPlacesPath();
    int fileIndex = -1;
    RemovePlaceResult result = RemovePlaceFromFile(path.c_str(), name.c_str(), &fileIndex);
    if (result == PlaceFileMissing) {
        ShowDialogMessage(UiString(StrDatabaseNotFound), UiString(StrObserverPlace), MB_OK);
        return;
    }
    if (result == PlaceRemoved) {
        // The list may skip unusable records of the file, so it is searched by name.
        for (int i = 0; i < list->count; ++i) {
            if (SamePlaceName(list->name[i].c_str(), name.c_str())) {
                RemovePlaceAt(list, i);
                break;
            }
        }
    }
    int next = at - 1;
    if (next < 0) next = 0;
    if (next > list->count - 1) next = list->count - 1;
    SelectPlace(next);
    SendMessageA(CityBox(), CB_SETCURSEL, static_cast<WPARAM>(next), 0);
}
