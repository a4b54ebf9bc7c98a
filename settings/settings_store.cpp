// Registry access for the settings key. Each call opens and closes its own keys.
#include "settings/settings_store.h"

#include <windows.h>
#include <stdio.h>
#include <string.h>

namespace {

// "SOFTWARE\Kestrelwick\Selenarium\<subKey>"; false when it would not fit.
bool ComposeKeyPath(const char* subKey, char (&path)[SettingsKeyPathMax + 1]) {
    if (subKey == nullptr) return false;
    int n = snprintf(path, sizeof path, "%s%s", SettingsKeyPrefix, subKey);
    return n > 0 && static_cast<unsigned>(n) <= SettingsKeyPathMax;
}

bool OpenSettingsKey(const char* subKey, REGSAM access, HKEY* key) {
    char path[SettingsKeyPathMax + 1];
    if (!ComposeKeyPath(subKey, path)) return false;
    return RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, access, key) == ERROR_SUCCESS;
}

// Queries into a scratch buffer first, so a failing read leaves the caller's buffer
// untouched and a shorter value changes only its first bytes.
bool QueryValue(const char* subKey, const char* valueName, void* buffer, unsigned long bufferSize,
                bool requireString) {
    if (valueName == nullptr || buffer == nullptr) return false;
    HKEY key = nullptr;
    if (!OpenSettingsKey(subKey, KEY_READ, &key)) return false;
    DWORD type = 0;
    DWORD size = 0;
    bool ok = RegQueryValueExA(key, valueName, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
              size <= bufferSize && (!requireString || type == REG_SZ);
    if (ok && size > 0) {
        BYTE* scratch = new BYTE[size];
        DWORD got = size;
        ok = RegQueryValueExA(key, valueName, nullptr, &type, scratch, &got) == ERROR_SUCCESS &&
             got <= bufferSize && (!requireString || type == REG_SZ);
        // A text stored without its NUL that fills the buffer would leave it unterminated.
        if (ok && requireString && got == bufferSize && scratch[got - 1] != 0) ok = false;
        if (ok) memcpy(buffer, scratch, got);
        delete[] scratch;
    }
    RegCloseKey(key);
    return ok;
}

}  // namespace

bool ReadSetting(const char* subKey, const char* valueName, void* buffer, unsigned long bufferSize) {
    return QueryValue(subKey, valueName, buffer, bufferSize, false);
}

bool ReadSettingString(const char* subKey, const char* valueName, char* buffer, unsigned long bufferSize) {
    return QueryValue(subKey, valueName, buffer, bufferSize, true);
}

bool WriteSetting(const char* subKey, const char* valueName, const void* data, unsigned long size) {
    if (valueName == nullptr || (data == nullptr && size > 0)) return false;
    HKEY key = nullptr;
    if (!OpenSettingsKey(subKey, KEY_WRITE, &key)) return false;
    bool ok = RegSetValueExA(key, valueName, 0, REG_BINARY, static_cast<const BYTE*>(data), size) ==
              ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

bool CreateSettingsKey(const char* subKey) {
    if (subKey == nullptr) return false;
    char path[SettingsKeyPathMax + 1];
    if (!ComposeKeyPath(subKey, path)) return false;
    HKEY product = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SettingsProductKey, 0, KEY_WRITE, &product) != ERROR_SUCCESS)
        return false;
    HKEY sub = nullptr;
    bool ok = RegCreateKeyExA(product, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                              &sub, nullptr) == ERROR_SUCCESS;
    if (ok) RegCloseKey(sub);
    RegCloseKey(product);
    return ok;
}

bool EnsureSettingsKey() {
    HKEY software = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "SOFTWARE", 0, KEY_WRITE, &software) != ERROR_SUCCESS)
        return false;
    HKEY maker = nullptr;
    bool ok = RegCreateKeyExA(software, "Kestrelwick", 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                              nullptr, &maker, nullptr) == ERROR_SUCCESS;
    RegCloseKey(software);
    if (!ok) return false;
    HKEY product = nullptr;
    ok = RegCreateKeyExA(maker, "Selenarium", 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                         &product, nullptr) == ERROR_SUCCESS;
    RegCloseKey(maker);
    if (!ok) return false;
    RegCloseKey(product);
    return CreateSettingsKey(SettingsSubKey);
}

int ReadLanguageSetting() {
    int value = DefaultLanguageValue;
    if (!ReadSetting(SettingsSubKey, SettingLanguage, &value, sizeof value)) {
        value = DefaultLanguageValue;
        WriteSetting(SettingsSubKey, SettingLanguage, &value, sizeof value);
    }
    return value;
}
