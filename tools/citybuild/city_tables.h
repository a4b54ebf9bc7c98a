// Reading the city source tables and choosing and ordering the places of the two
// shipped city files.
#ifndef SELENARIUM_TOOLS_CITYBUILD_CITY_TABLES_H
#define SELENARIUM_TOOLS_CITYBUILD_CITY_TABLES_H

#include <string>
#include <vector>

#include "settings/place_file.h"

struct SourcePlace {
    std::string name;      // UTF-8 as in the table
    std::string province;
    std::string country;
    double latitude;
    double longitude;
    double utcOffsetHours;
};

struct RussianName {
    std::string name, province, country;  // the place in the source table
    std::string russian;                  // UTF-8
};

struct ExtraName {
    std::string shown;                    // the name in the list
    std::string name, province, country;  // the place whose coordinates it takes
};

// Readers; false with a message in *error on a malformed line.
bool ReadSourcePlaces(const std::string& path, std::vector<SourcePlace>* places, std::string* error);
bool ReadRussianNames(const std::string& path, std::vector<RussianName>* names, std::string* error);
bool ReadExtraNames(const std::string& path, std::vector<ExtraName>* names, std::string* error);

// The index of the place a row names (province empty: first of that name in the
// country), or -1.
int FindSourcePlace(const std::vector<SourcePlace>& places, const std::string& name, const std::string& province,
                    const std::string& country);

// Latin letters with accents folded to plain ASCII; false when a character has no fold.
bool FoldToAscii(const std::string& utf8, std::string* ascii);

// The record of a place under a given (already encoded) name.
PlaceRecord MakeRecord(const SourcePlace& place, const std::string& name);

// The English list: every place the Russian list names and every default city of
// the time zones, then places spread evenly over
// the countries until about `target` names, one place per name (ignoring case),
// alphabetical, followed by the extra names. False with *error when a row names no
// place.
bool BuildEnglishList(const std::vector<SourcePlace>& places, const std::vector<RussianName>& russian,
                      const std::vector<ExtraName>& extra, size_t target, std::vector<PlaceRecord>* out,
                      std::string* error);

// The Russian list in Windows-1251, alphabetical.
bool BuildRussianList(const std::vector<SourcePlace>& places, const std::vector<RussianName>& russian,
                      std::vector<PlaceRecord>* out, std::string* error);

#endif
