// The shipped city files: they parse, hold the expected numbers of places with sound
// coordinates and unique names, and contain every default city of their language.
#include <gtest/gtest.h>

#include <stdio.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "settings/place_file.h"

namespace {

std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::vector<uint8_t> bytes;
    FILE* f = fopen(path.c_str(), "rb");
    if (f == nullptr) return bytes;
    int c;
    while ((c = fgetc(f)) != EOF) bytes.push_back(static_cast<uint8_t>(c));
    fclose(f);
    return bytes;
}

std::string Folded(const std::string& name) {
    std::string out;
    for (unsigned char c : name) {
        if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDF)) c = static_cast<unsigned char>(c + 32);
        out += static_cast<char>(c);
    }
    return out;
}

struct CityFileCase {
    const char* file;
    UiLanguage language;
    size_t minCount;
    size_t maxCount;
};

class ShippedCityFile : public ::testing::TestWithParam<CityFileCase> {};

TEST_P(ShippedCityFile, ParsesCompletelyWithSoundPlaces) {
    const CityFileCase& c = GetParam();
    std::vector<uint8_t> bytes = ReadBytes(std::string(SELENARIUM_DATA_DIR) + "/" + c.file);
    ASSERT_FALSE(bytes.empty()) << c.file;
    int16_t stored = 0;
    std::vector<PlaceRecord> places = ParsePlaceFile(bytes.data(), bytes.size(), &stored);
    EXPECT_EQ(static_cast<size_t>(stored), places.size());
    EXPECT_GE(places.size(), c.minCount);
    EXPECT_LE(places.size(), c.maxCount);

    // Every byte belongs to a record: re-encoding gives the file back.
    std::vector<uint8_t> again = {bytes[0], bytes[1]};
    for (const PlaceRecord& p : places) AppendPlaceRecordBytes(&again, p);
    EXPECT_EQ(again, bytes);

    std::set<std::string> names;
    for (const PlaceRecord& p : places) {
        EXPECT_FALSE(p.name.empty());
        EXPECT_LE(p.name.size(), PlaceNameMaxBytes);
        EXPECT_TRUE(names.insert(Folded(p.name)).second) << "twice: " << p.name;
        EXPECT_LE(std::abs(p.latitude), 90.0f) << p.name;
        EXPECT_LE(std::abs(p.longitude), 180.0f) << p.name;
        EXPECT_GE(p.timeZone, -12) << p.name;
        EXPECT_LE(p.timeZone, 14) << p.name;
        for (unsigned char ch : p.name) {
            if (c.language == UiEnglish) {
                EXPECT_LT(ch, 0x80) << p.name;  // plain ASCII
            }
            EXPECT_NE(ch, '?') << p.name;  // nothing lost in conversion
        }
    }
    for (int h = -12; h <= 12; ++h) {
        std::string name = DefaultCityName(h, c.language);
        if (!name.empty()) {
            EXPECT_EQ(names.count(Folded(name)), 1u) << "default city of " << h << ": " << name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Both, ShippedCityFile,
                         ::testing::Values(CityFileCase{"town_en", UiEnglish, 950, 1050},
                                           CityFileCase{"town_ru", UiRussian, 400, 1000}),
                         [](const ::testing::TestParamInfo<CityFileCase>& info) {
                             return std::string(info.param.file);
                         });

TEST(ShippedCityFile, RussianListNamesKnownPlacesWithTheirCoordinates) {
    std::vector<uint8_t> bytes = ReadBytes(std::string(SELENARIUM_DATA_DIR) + "/town_ru");
    std::vector<PlaceRecord> places = ParsePlaceFile(bytes.data(), bytes.size(), nullptr);
    const struct {
        const char* name;  // Windows-1251
        float latitude, longitude;
    } known[] = {
        {"\xCC\xEE\xF1\xEA\xE2\xE0", 55.77f, 37.67f},                          // Москва
        {"\xD1\xE0\xED\xEA\xF2-\xCF\xE5\xF2\xE5\xF0\xE1\xF3\xF0\xE3", 59.9f, 30.3f},  // Санкт-Петербург
        {"\xCB\xEE\xED\xE4\xEE\xED", 51.5f, -0.12f},                          // Лондон
        {"\xCE\xEA\xEB\xFD\xED\xE4", -36.88f, 174.75f},                       // Оклэнд
    };
    for (const auto& k : known) {
        bool found = false;
        for (const PlaceRecord& p : places) {
            if (p.name != k.name) continue;
            found = true;
            EXPECT_NEAR(p.latitude, k.latitude, 0.2f) << k.name;
            EXPECT_NEAR(p.longitude, k.longitude, 0.2f) << k.name;
        }
        EXPECT_TRUE(found) << k.name;
    }
}

}  // namespace
