// Direct registry access for the Windows tests, independent of the settings store.
#ifndef SELENARIUM_TESTS_SETTINGS_REGISTRY_FIXTURE_H
#define SELENARIUM_TESTS_SETTINGS_REGISTRY_FIXTURE_H

#include <windows.h>

#include <string>
#include <vector>

namespace regfix {

constexpr const char kSettingKey[] = "SOFTWARE\\Kestrelwick\\Selenarium\\Setting";

inline void DeleteTree(HKEY parent, const char* name) {
    HKEY key;
    if (RegOpenKeyExA(parent, name, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    char child[256];
    for (;;) {
        DWORD size = sizeof child;
        if (RegEnumKeyExA(key, 0, child, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        DeleteTree(key, child);
    }
    RegCloseKey(key);
    RegDeleteKeyA(parent, name);
}

// No product settings at all.
inline void Clear() { DeleteTree(HKEY_CURRENT_USER, "SOFTWARE\\Kestrelwick"); }

// The Setting key exists (empty).
inline void CreateSettingKey() {
    HKEY key;
    RegCreateKeyExA(HKEY_CURRENT_USER, kSettingKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    RegCloseKey(key);
}

inline bool KeyExists(const char* path) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

inline void Set(const char* name, DWORD type, const void* data, DWORD size) {
    HKEY key;
    RegCreateKeyExA(HKEY_CURRENT_USER, kSettingKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

inline void SetString(const char* name, const std::string& text) {
    Set(name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

template <typename T>
void SetBinary(const char* name, T value) {
    Set(name, REG_BINARY, &value, sizeof value);
}

// The stored bytes and type; false when missing.
inline bool Get(const char* name, std::vector<unsigned char>* data, DWORD* type = nullptr) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    DWORD size = 0, t = 0;
    bool ok = RegQueryValueExA(key, name, nullptr, &t, nullptr, &size) == ERROR_SUCCESS;
    if (ok) {
        data->assign(size, 0);
        ok = RegQueryValueExA(key, name, nullptr, &t, data->data(), &size) == ERROR_SUCCESS;
    }
    RegCloseKey(key);
    if (type != nullptr) *type = t;
    return ok;
}

template <typename T>
bool GetBinary(const char* name, T* value) {
    std::vector<unsigned char> data;
    DWORD type = 0;
    if (!Get(name, &data, &type) || type != REG_BINARY || data.size() != sizeof(T)) return false;
    memcpy(value, data.data(), sizeof(T));
    return true;
}

}  // namespace regfix

#endif
