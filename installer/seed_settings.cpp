#include "installer/seed_settings.h"

#include <windows.h>

#include "installer/install_plan.h"
#include "settings/settings_store.h"

bool WriteSettingString(const char* subKey, const char* valueName, const char* text,
                        unsigned long length) {
  std::string path = std::string(SettingsKeyPrefix) + subKey;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_WRITE, &key) != ERROR_SUCCESS) {
    return false;
  }
  LONG result = RegSetValueExA(key, valueName, 0, REG_SZ,
                               reinterpret_cast<const BYTE*>(text), length + 1);
  RegCloseKey(key);
  return result == ERROR_SUCCESS;
}

bool PrepareProductKey() {
  HKEY software, maker, product;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "SOFTWARE", 0, KEY_WRITE, &software) != ERROR_SUCCESS) {
    return false;
  }
  DWORD disposition;
  LONG result = RegCreateKeyExA(software, "Kestrelwick", 0, nullptr, REG_OPTION_NON_VOLATILE,
                                KEY_WRITE, nullptr, &maker, &disposition);
  RegCloseKey(software);
  if (result != ERROR_SUCCESS) return false;
  result = RegCreateKeyExA(maker, "Selenarium", 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                           nullptr, &product, &disposition);
  RegCloseKey(maker);
  if (result != ERROR_SUCCESS) return false;
  return RegCloseKey(product) == ERROR_SUCCESS;
}

void SeedSettings(const std::string& installFolder, bool russian) {
  CreateSettingsKey(SettingsSubKey);
  for (const SeededSetting& value : SeededSettings(installFolder, russian)) {
    if (value.is_string) {
      WriteSettingString(SettingsSubKey, value.name, value.text.c_str(),
                         static_cast<unsigned long>(value.text.size()));
    } else {
      WriteSetting(SettingsSubKey, value.name, value.bytes.data(),
                   static_cast<unsigned long>(value.bytes.size()));
    }
  }
}
