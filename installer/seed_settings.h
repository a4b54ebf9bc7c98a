// Prepares the product key and seeds the screensaver's settings before any payload
// file is written.
#ifndef SELENARIUM_SEED_SETTINGS_H
#define SELENARIUM_SEED_SETTINGS_H

#include <string>

// Stores `text` (length characters plus its terminating zero) as a string value in
// SOFTWARE\Kestrelwick\Selenarium\<subKey> below HKEY_CURRENT_USER.
bool WriteSettingString(const char* subKey, const char* valueName, const char* text,
                        unsigned long length);

// Opens SOFTWARE and creates (or opens) Kestrelwick\Selenarium below it; false when
// any of these steps fails.
bool PrepareProductKey();

// Creates the Setting sub-key and writes the seven seeded values; write failures are
// not reported (the screensaver falls back to its defaults).
void SeedSettings(const std::string& installFolder, bool russian);

#endif
