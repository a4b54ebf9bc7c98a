// The registry settings store below HKEY_CURRENT_USER\SOFTWARE\Kestrelwick\Selenarium.
// Every operation takes the sub-key name (SettingsSubKey in this program), opens and
// closes its keys on each call, shows no message and returns true on success.
#ifndef SELENARIUM_SETTINGS_SETTINGS_STORE_H
#define SELENARIUM_SETTINGS_SETTINGS_STORE_H

#include "settings/settings_names.h"

// Reads a value of any type. Fails when the key or value is missing or the stored data
// is longer than the buffer; on success only the first (stored length) bytes of the
// buffer change, so a buffer pre-filled with the default gives a sound result.
bool ReadSetting(const char* subKey, const char* valueName, void* buffer, unsigned long bufferSize);

// As ReadSetting, and also fails unless the value is a REG_SZ. Zero-fill the buffer
// first so the result is terminated.
bool ReadSettingString(const char* subKey, const char* valueName, char* buffer, unsigned long bufferSize);

// Stores size bytes as REG_BINARY into the existing key (it does not create the key).
bool WriteSetting(const char* subKey, const char* valueName, const void* data, unsigned long size);

// Creates or opens the sub-key below the existing product key.
bool CreateSettingsKey(const char* subKey);

// Creates the product key chain SOFTWARE\Kestrelwick\Selenarium when missing, then the
// Setting sub-key.
bool EnsureSettingsKey();

// The stored Language value (4 bytes, 0 when missing or shorter); when it cannot be
// read, 0 is written back (that write may fail silently when the key is missing).
int ReadLanguageSetting();

#endif
