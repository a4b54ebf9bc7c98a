// citybuild CITIES.tsv NAMES_RU.tsv EXTRA_EN.tsv OUT_DIR
// Writes the shipped city files OUT_DIR/town_en and OUT_DIR/town_ru.
#include <stdio.h>

#include <string>
#include <vector>

#include "city_tables.h"
#include "settings/place_file.h"

namespace {
const size_t kEnglishListSize = 1000;  // leaves room for the user's own places
}

int main(int argc, char** argv) {
    if (argc != 5) {
        fprintf(stderr, "usage: citybuild CITIES.tsv NAMES_RU.tsv EXTRA_EN.tsv OUT_DIR\n");
        return 2;
    }
    std::vector<SourcePlace> places;
    std::vector<RussianName> russian;
    std::vector<ExtraName> extra;
    std::string error;
    if (!ReadSourcePlaces(argv[1], &places, &error) || !ReadRussianNames(argv[2], &russian, &error) ||
        !ReadExtraNames(argv[3], &extra, &error)) {
        fprintf(stderr, "citybuild: %s\n", error.c_str());
        return 1;
    }
    std::vector<PlaceRecord> english, russianList;
    if (!BuildEnglishList(places, russian, extra, kEnglishListSize, &english, &error) ||
        !BuildRussianList(places, russian, &russianList, &error)) {
        fprintf(stderr, "citybuild: %s\n", error.c_str());
        return 1;
    }
    std::string dir = argv[4];
    if (!WritePlaceFile((dir + "/town_en").c_str(), english) || !WritePlaceFile((dir + "/town_ru").c_str(), russianList)) {
        fprintf(stderr, "citybuild: cannot write the city files into %s\n", dir.c_str());
        return 1;
    }
    printf("citybuild: town_en %zu places, town_ru %zu places\n", english.size(), russianList.size());
    return 0;
}
