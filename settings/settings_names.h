// Names and defaults of the persistent settings, shared by the screensaver, its
// configuration dialog and the installer. Portable: no Windows headers.
#ifndef SELENARIUM_SETTINGS_SETTINGS_NAMES_H
#define SELENARIUM_SETTINGS_SETTINGS_NAMES_H

// Below HKEY_CURRENT_USER; the sub-key name is appended to the product key.
#define SETTINGS_PRODUCT_KEY "SOFTWARE\\Kestrelwick\\Selenarium"
constexpr const char SettingsProductKey[] = SETTINGS_PRODUCT_KEY;
constexpr const char SettingsKeyPrefix[] = SETTINGS_PRODUCT_KEY "\\";
constexpr const char SettingsSubKey[] = "Setting";
// Longest composed key path, in bytes without the NUL.
constexpr unsigned SettingsKeyPathMax = 199;

// Value names. The four paths are REG_SZ; every other value is REG_BINARY holding the
// raw little-endian integer or IEEE double.
constexpr const char SettingTextureFull[] = "textures00";     // REG_SZ path
constexpr const char SettingTexturePreview[] = "textures01";  // REG_SZ path
constexpr const char SettingPlacesEnglish[] = "places00";     // path of town_en
constexpr const char SettingPlacesRussian[] = "places01";     // path of town_ru
constexpr const char SettingLanguage[] = "Language";          // 4 bytes: 0 English, 1 Russian
constexpr const char SettingShowStar[] = "ShowStar";          // 1 byte
constexpr const char SettingShowText[] = "ShowText";          // 1 byte
constexpr const char SettingLatitude[] = "Latitude";          // 8-byte double, north positive
constexpr const char SettingLongitude[] = "Longitude";        // 8-byte double, east positive
constexpr const char SettingPlaceOther[] = "PlaceOther";      // 1 byte: 1 = typed by hand
constexpr const char SettingCityCurrentEnglish[] = "CityCurrent_en";  // 4 bytes, box position
constexpr const char SettingCityCurrentRussian[] = "CityCurrent_ru";  // 4 bytes, box position

// Buffer sizes the readers use.
constexpr unsigned TexturePathBufferSize = 100;
constexpr unsigned PlacesPathBufferSize = 300;

// Defaults when a value is missing or unreadable.
constexpr const char MissingTexturePath[] = "null";
constexpr int DefaultLanguageValue = 0;
constexpr unsigned char DefaultShowStar = 1;
constexpr unsigned char DefaultShowText = 1;
constexpr unsigned char DefaultPlaceOther = 0;
constexpr int NoCurrentCity = -1;
// The screensaver's latitude when none is stored, by language.
constexpr double SaverDefaultLatitudeEnglish = 40.0;
constexpr double SaverDefaultLatitudeRussian = 55.0;
// The configuration dialog's place when none is stored: 55 deg 08' N, 60 deg 08' E.
constexpr double DialogDefaultLatitude = 55.133333333333333;
constexpr double DialogDefaultLongitude = 60.133333333333333;

#endif
