// The English and Russian user-interface texts by id. Portable: no Windows headers.
// Texts are single-byte strings: English in ASCII, Russian in Windows-1251, with "\n\r"
// (line feed, then carriage return) as the line break of message texts.
#ifndef SELENARIUM_SETTINGS_UI_STRINGS_H
#define SELENARIUM_SETTINGS_UI_STRINGS_H

#include <stddef.h>

enum UiLanguage { UiEnglish = 0, UiRussian = 1 };
constexpr int UiLanguageCount = 2;
constexpr int UiStringCount = 100;  // ids 0 ... 99

enum UiStringId {
    StrDialogTitle = 2,
    StrShowStars = 4,
    StrShowText = 5,
    StrObserverPlace = 6,
    StrLatitude = 7,
    StrLongitude = 8,
    StrNorthern = 9,
    StrSouthern = 10,
    StrEastern = 11,
    StrWestern = 12,
    StrLanguage = 13,
    StrCityList = 15,
    StrAddPlace = 16,
    StrDeletePlace = 17,
    StrName = 18,
    StrDmsHeader = 25,
    StrListFull = 27,
    StrAddCaption = 28,
    StrNameExists = 29,
    StrAddConfirm = 30,
    StrCannotCreateFile = 32,
    StrNoCitySelected = 33,
    StrNameAbsent = 34,
    StrDeleteCaption = 35,
    StrDeleteConfirm = 36,
    StrDatabaseNotFound = 37,
    StrLongitudeRange = 39,
    StrLatitudeRange = 40,
    StrAboutTitle = 50,
    StrMakerLine = 51,
    StrAbout = 52,
    StrMoon = 55,
    StrSun = 56,
    StrRise = 57,
    StrSet = 58,
    StrDayLength = 59,
    StrHeight = 60,
    StrAzimuth = 61,
    StrLunarDay = 62,
    StrYourCoordinates = 63,
    StrSetUpLocation = 64,
};

// One text per (id, language); a null entry reads as the empty text. Each text is a
// heap copy owned by the table. The installer keeps its own table of this kind.
struct UiStringTable {
    char* text[UiStringCount][UiLanguageCount];
    char* sharedText;         // work buffer for composing messages
    size_t sharedTextSize;    // grows to the longest text + 1 while the table is filled
};

// Generic helpers on any table. Out-of-range ids are ignored / read as empty.
void SetTableString(UiStringTable* table, int id, UiLanguage language, const char* text);
const char* TableString(const UiStringTable* table, int id, UiLanguage language);

// The program's own table, built once per process.
void LoadUiStrings();                                      // later calls do nothing
void SetUiString(int id, UiLanguage language, const char* text);
const char* UiString(int id);                              // current language
const char* UiStringIn(int id, UiLanguage language);
// Copies the text of id into destination (clearing it first when it is SharedText());
// returns destination, which must hold the longest text + 1 bytes.
char* GetUiString(char* destination, int id);
char* SharedText();
size_t SharedTextSize();

// The current language: Russian until one is chosen. SetUiLanguage also sets the C
// runtime's locale for all categories to "English" or "Russian".
void SetUiLanguage(UiLanguage language);
UiLanguage CurrentUiLanguage();
// The language a stored Language value selects: 0 English, 1 Russian, anything else
// keeps the current one.
UiLanguage LanguageFromSetting(int value, UiLanguage current);
// The C runtime locale name of a language.
const char* UiLocaleName(UiLanguage language);

#endif
