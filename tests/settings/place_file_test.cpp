// City files: encoding, tolerant reading of damaged files, and in-place add and delete.
#include <gtest/gtest.h>

#include <stdio.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include "settings/place_file.h"

namespace {

PlaceRecord Place(const std::string& name, float lat = 1.5f, float lon = -2.25f, int16_t tz = 3) {
    return PlaceRecord{tz, lat, lon, 0.0f, name};
}

std::vector<uint8_t> FileImage(int16_t count, const std::vector<PlaceRecord>& records) {
    std::vector<uint8_t> bytes = {static_cast<uint8_t>(count & 0xFF), static_cast<uint8_t>((count >> 8) & 0xFF)};
    for (const PlaceRecord& r : records) AppendPlaceRecordBytes(&bytes, r);
    return bytes;
}

std::vector<std::string> Names(const std::vector<PlaceRecord>& records) {
    std::vector<std::string> names;
    for (const PlaceRecord& r : records) names.push_back(r.name);
    return names;
}

class PlaceFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        char dir[] = "/tmp/placefileXXXXXX";
        ASSERT_NE(mkdtemp(dir), nullptr);
        dir_ = dir;
        path_ = dir_ + "/town";
    }
    void TearDown() override {
        unlink(path_.c_str());
        rmdir(dir_.c_str());
    }
    void Write(const std::vector<uint8_t>& bytes) {
        FILE* f = fopen(path_.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        fwrite(bytes.data(), 1, bytes.size(), f);
        fclose(f);
    }
    std::vector<uint8_t> Read() {
        std::vector<uint8_t> bytes;
        FILE* f = fopen(path_.c_str(), "rb");
        if (f == nullptr) return bytes;
        int c;
        while ((c = fgetc(f)) != EOF) bytes.push_back(static_cast<uint8_t>(c));
        fclose(f);
        return bytes;
    }
    std::string dir_, path_;
};

TEST(PlaceRecordBytes, LayoutIsLittleEndianWithoutPadding) {
    std::vector<uint8_t> bytes;
    AppendPlaceRecordBytes(&bytes, Place("Ab", 1.0f, -2.0f, -5));
    const std::vector<uint8_t> expected = {0xFB, 0xFF, 0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x00, 0xC0,
                                           0x00, 0x00, 0x00, 0x00, 'A',  'b',  0x00};
    EXPECT_EQ(bytes, expected);
}

TEST(PlaceFileParse, RoundTripKeepsEveryField) {
    std::vector<PlaceRecord> in = {Place("Moscow", 55.75f, 37.6f, 3), Place("\xCA\xE8\xE5\xE2", 50.45f, 30.5f, -2),
                                   Place("", 0.0f, 0.0f, 0)};
    std::vector<uint8_t> image = FileImage(3, in);
    int16_t stored = 0;
    std::vector<PlaceRecord> out = ParsePlaceFile(image.data(), image.size(), &stored);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(stored, 3);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(out[i].name, in[i].name);
        EXPECT_EQ(out[i].timeZone, in[i].timeZone);
        EXPECT_EQ(out[i].latitude, in[i].latitude);
        EXPECT_EQ(out[i].longitude, in[i].longitude);
    }
}

TEST(PlaceFileParse, DamagedFilesGiveTheSoundRecords) {
    std::vector<PlaceRecord> two = {Place("One"), Place("Two")};
    struct Case {
        const char* what;
        std::vector<uint8_t> image;
        std::vector<std::string> names;
    };
    std::vector<uint8_t> cutRecord = FileImage(3, {Place("One"), Place("Two"), Place("Three")});
    cutRecord.resize(cutRecord.size() - 10);  // the third record loses its name and a float
    std::vector<uint8_t> noNul = FileImage(2, two);
    noNul.pop_back();  // the last name runs into the end of the file
    std::vector<uint8_t> badAngle = FileImage(3, {Place("One"), Place("Far", 91.0f), Place("Two", 10.0f, 181.0f)});
    std::vector<Case> cases = {
        {"count larger than the records", FileImage(40, two), {"One", "Two"}},
        {"negative count", FileImage(-3, two), {"One", "Two"}},
        {"count smaller than the records", FileImage(1, two), {"One", "Two"}},
        {"cut-short record", cutRecord, {"One", "Two"}},
        {"name without NUL", noNul, {"One"}},
        {"angles outside the globe", badAngle, {"One"}},
        {"only a count", FileImage(5, {}), {}},
        {"one byte", {0x05}, {}},
        {"empty", {}, {}},
    };
    for (const Case& c : cases) {
        std::vector<PlaceRecord> out = ParsePlaceFile(c.image.data(), c.image.size(), nullptr);
        EXPECT_EQ(Names(out), c.names) << c.what;
    }
}

TEST(PlaceFileParse, LongNamesAreCutAndTheNextRecordStillReads) {
    std::string longName(260, 'x');
    std::vector<uint8_t> image = FileImage(2, {Place(longName), Place("After", 5.0f)});
    std::vector<PlaceRecord> out = ParsePlaceFile(image.data(), image.size(), nullptr);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].name, std::string(PlaceNameMaxBytes, 'x'));
    EXPECT_EQ(out[1].name, "After");
    EXPECT_EQ(out[1].latitude, 5.0f);
}

TEST(PlaceFileParse, StopsAtTheListCapacity) {
    std::vector<PlaceRecord> many(PlaceCapacity + 20, Place("p"));
    std::vector<uint8_t> image = FileImage(static_cast<int16_t>(many.size()), many);
    EXPECT_EQ(ParsePlaceFile(image.data(), image.size(), nullptr).size(), static_cast<size_t>(PlaceCapacity));
}

TEST_F(PlaceFileOnDisk, ReadIntoTheListAndRemoveAnEntry) {
    Write(FileImage(3, {Place("A", 1), Place("B", 2), Place("C", 3)}));
    std::unique_ptr<PlaceList> list(new PlaceList());
    ASSERT_TRUE(ReadPlaceFile(path_.c_str(), list.get()));
    ASSERT_EQ(list->count, 3);
    EXPECT_TRUE(RemovePlaceAt(list.get(), 0));
    EXPECT_EQ(list->count, 2);
    EXPECT_EQ(list->name[0], "B");
    EXPECT_EQ(list->latitude[1], 3.0f);
    EXPECT_EQ(list->name[2], "");
    EXPECT_FALSE(RemovePlaceAt(list.get(), 2));
    EXPECT_FALSE(ReadPlaceFile((dir_ + "/missing").c_str(), list.get()));
    EXPECT_EQ(list->count, 0);
}

TEST_F(PlaceFileOnDisk, AddingToAMissingFileCreatesItWithCountOne) {
    int count = 0;
    ASSERT_TRUE(AppendPlaceToFile(path_.c_str(), Place("Home", 10.0f, 20.0f, 0), &count));
    EXPECT_EQ(count, 1);
    EXPECT_EQ(Read(), FileImage(1, {Place("Home", 10.0f, 20.0f, 0)}));
}

TEST_F(PlaceFileOnDisk, AddingAppendsAndKeepsEveryEarlierByte) {
    std::vector<uint8_t> before = FileImage(2, {Place("A"), Place("B")});
    Write(before);
    int count = 0;
    ASSERT_TRUE(AppendPlaceToFile(path_.c_str(), Place("C"), &count));
    EXPECT_EQ(count, 3);
    EXPECT_EQ(Read(), FileImage(3, {Place("A"), Place("B"), Place("C")}));
}

TEST_F(PlaceFileOnDisk, AddingToADamagedFileDropsTheBrokenTailAndFixesTheCount) {
    std::vector<uint8_t> image = FileImage(-7, {Place("A"), Place("B")});
    image.insert(image.end(), {0x01, 0x02, 0x03});  // a record cut short
    Write(image);
    int count = 0;
    ASSERT_TRUE(AppendPlaceToFile(path_.c_str(), Place("C"), &count));
    EXPECT_EQ(count, 3);
    EXPECT_EQ(Read(), FileImage(3, {Place("A"), Place("B"), Place("C")}));
}

TEST_F(PlaceFileOnDisk, AddingFailsWhenTheFileCannotBeCreated) {
    EXPECT_FALSE(AppendPlaceToFile((dir_ + "/no/such/dir/town").c_str(), Place("C"), nullptr));
}

TEST_F(PlaceFileOnDisk, RemovingKeepsTheOtherRecordsByteForByte) {
    struct Case {
        const char* name;
        int index;
        std::vector<PlaceRecord> left;
    };
    const std::vector<PlaceRecord> all = {Place("Alpha", 1), Place("\xCA\xE8\xE5\xE2", 2), Place("Gamma", 3)};
    const Case cases[] = {
        {"alpha", 0, {all[1], all[2]}},                // first, letter case ignored
        {"\xEA\xE8\xE5\xE2", 1, {all[0], all[2]}},     // Cyrillic, letter case ignored
        {"GAMMA", 2, {all[0], all[1]}},                // last
    };
    for (const Case& c : cases) {
        Write(FileImage(3, all));
        int index = -1;
        EXPECT_EQ(RemovePlaceFromFile(path_.c_str(), c.name, &index), PlaceRemoved) << c.name;
        EXPECT_EQ(index, c.index);
        EXPECT_EQ(Read(), FileImage(2, c.left)) << c.name;
    }
}

TEST_F(PlaceFileOnDisk, RemovingSkipsARecordTheListLeavesOut) {
    // A record with latitude 200 is never shown; the shown place of the same name goes.
    const std::vector<PlaceRecord> all = {Place("Twin", 200.0f), Place("Other"), Place("twin", 10.0f)};
    Write(FileImage(3, all));
    int index = -1;
    EXPECT_EQ(RemovePlaceFromFile(path_.c_str(), "TWIN", &index), PlaceRemoved);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(Read(), FileImage(2, {all[0], all[1]}));
}

TEST_F(PlaceFileOnDisk, RemovingTheOnlyRecordLeavesAnEmptyList) {
    Write(FileImage(1, {Place("Only")}));
    EXPECT_EQ(RemovePlaceFromFile(path_.c_str(), "Only", nullptr), PlaceRemoved);
    EXPECT_EQ(Read(), FileImage(0, {}));
}

TEST_F(PlaceFileOnDisk, RemovingAnAbsentNameOrFromAMissingFileChangesNothing) {
    std::vector<uint8_t> image = FileImage(2, {Place("A"), Place("B")});
    Write(image);
    EXPECT_EQ(RemovePlaceFromFile(path_.c_str(), "C", nullptr), PlaceNotInFile);
    EXPECT_EQ(Read(), image);
    EXPECT_EQ(RemovePlaceFromFile((dir_ + "/missing").c_str(), "A", nullptr), PlaceFileMissing);
}

TEST(PlaceNames, CompareIgnoringLatinAndCyrillicCase) {
    EXPECT_TRUE(SamePlaceName("Paris", "pARIS"));
    EXPECT_TRUE(SamePlaceName("\xCC\xEE\xF1\xEA\xE2\xE0", "\xEC\xEE\xF1\xEA\xE2\xE0"));  // Москва / москва
    EXPECT_TRUE(SamePlaceName("\xA8\xEB\xEA\xE8", "\xB8\xEB\xEA\xE8"));                  // Ёлки / ёлки
    // The other Cyrillic capitals of the code page: Ђ Ѓ Љ Њ Ќ Ћ Џ Ў Ј Ґ Є Ї І Ѕ.
    EXPECT_TRUE(SamePlaceName("\x80\x81\x8A\x8C\x8D\x8E\x8F\xA1\xA3\xA5\xAA\xAF\xB2\xBD",
                              "\x90\x83\x9A\x9C\x9D\x9E\x9F\xA2\xBC\xB4\xBA\xBF\xB3\xBE"));
    EXPECT_FALSE(SamePlaceName("\xB2", "\xA8"));   // І is not Ё
    EXPECT_FALSE(SamePlaceName("Paris", "Pari"));
    EXPECT_FALSE(SamePlaceName("Pari", "Paris"));
}

TEST(DefaultCity, ZoneHoursRoundHalfUp) {
    const struct {
        long secondsWest;
        int hours;
    } cases[] = {{0, 0}, {-19800, 6}, {-10800, 3}, {25200, -7}, {16200, -4}, {18000, -5}, {-43200, 12}};
    for (const auto& c : cases) EXPECT_EQ(ZoneHoursFromOffset(c.secondsWest), c.hours) << c.secondsWest;
}

TEST(DefaultCity, NamesByHourAndLanguage) {
    EXPECT_STREQ(DefaultCityName(6, UiEnglish), "Novosibirsk");
    EXPECT_STREQ(DefaultCityName(6, UiRussian), "\xCD\xEE\xE2\xEE\xF1\xE8\xE1\xE8\xF0\xF1\xEA");
    EXPECT_STREQ(DefaultCityName(-7, UiEnglish), "Williston");
    EXPECT_STREQ(DefaultCityName(-7, UiRussian), "");
    EXPECT_STREQ(DefaultCityName(-12, UiEnglish), "");
    EXPECT_STREQ(DefaultCityName(13, UiEnglish), "");
}

}  // namespace
