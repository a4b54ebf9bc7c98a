// City database files (town_en, town_ru) and the in-memory list the configuration
// dialog keeps. Portable: no Windows headers.
//
// File: int16 record count, then records back to back, little-endian, no padding:
//   int16 timeZone (whole hours), float32 latitude (north +), float32 longitude (east +),
//   float32 reserved, name bytes + NUL (Windows-1251 in town_ru).
#ifndef SELENARIUM_SETTINGS_PLACE_FILE_H
#define SELENARIUM_SETTINGS_PLACE_FILE_H

#include <stddef.h>
#include <stdint.h>
#include <string>
#include <vector>

#include "settings/ui_strings.h"

constexpr int PlaceCapacity = 1350;
constexpr size_t PlaceRecordFixedSize = 14;   // bytes before the name
constexpr size_t PlaceNameMaxBytes = 200;     // longer names in a file are cut to this
constexpr size_t PlaceNameInputMaxBytes = 200; // the longest name a user can add

struct PlaceRecord {
    int16_t timeZone;
    float latitude;
    float longitude;
    float reserved;
    std::string name;
};

// The list of the current language: parallel arrays of PlaceCapacity entries.
struct PlaceList {
    int16_t count;
    std::string name[PlaceCapacity];
    int timeZone[PlaceCapacity];
    float latitude[PlaceCapacity];
    float longitude[PlaceCapacity];
    float reserved[PlaceCapacity];
    int cityCurrentEnglish;  // positions in the sorted city box, -1 = none
    int cityCurrentRussian;
};

// Empties every entry; count 0 (the current-city indices are left alone).
void ClearPlaceList(PlaceList* list);
// Stores a record at index (0 <= index < PlaceCapacity); false otherwise.
bool StorePlace(PlaceList* list, int index, const PlaceRecord& record);
// Removes the entry at index, later entries move down; count decreases.
bool RemovePlaceAt(PlaceList* list, int index);

// Record encoding. The name is written as given plus one NUL.
void AppendPlaceRecordBytes(std::vector<uint8_t>* out, const PlaceRecord& record);
// Parses one record at offset; on success fills record and *next. A record cut short
// or a name without its NUL fails. A name over PlaceNameMaxBytes is cut to that length
// (the whole stored name is still skipped).
bool ParsePlaceRecord(const uint8_t* data, size_t size, size_t offset, PlaceRecord* record, size_t* next);
// Parses a whole file image: the records that are sound, in file order, at most
// PlaceCapacity, whatever the stored count says. The stored count goes to *storedCount.
std::vector<PlaceRecord> ParsePlaceFile(const uint8_t* data, size_t size, int16_t* storedCount);

// Reads a file into the list (ClearPlaceList first); false when it cannot be opened.
bool ReadPlaceFile(const char* path, PlaceList* list);
// Writes a whole file (count + records); false on any write error.
bool WritePlaceFile(const char* path, const std::vector<PlaceRecord>& records);

// Appends one record to the file, creating it when missing; any cut-short tail is
// dropped first and the count is rewritten as the number of records. Returns false
// when the file can neither be opened nor created. *newCount gets the new count.
bool AppendPlaceToFile(const char* path, const PlaceRecord& record, int* newCount);

enum RemovePlaceResult { PlaceFileMissing = -1, PlaceNotInFile = 0, PlaceRemoved = 1 };
// Removes the first record whose name equals name ignoring case (Windows-1251 letters
// included); the rest of the file is kept byte for byte and the count rewritten as the
// number of records. *removedIndex gets the record's index in file order.
RemovePlaceResult RemovePlaceFromFile(const char* path, const char* name, int* removedIndex);

// Case-insensitive equality for Windows-1251 text (Latin and Cyrillic letters).
bool SamePlaceName(const char* a, const char* b);

// Whole hours of a time zone offset given in seconds west of UTC, rounded half up
// (UTC+5:30 -> 6).
int ZoneHoursFromOffset(long secondsWest);
// The default city's name for whole hours h and a language, or "" when there is none.
const char* DefaultCityName(int hours, UiLanguage language);

#endif
