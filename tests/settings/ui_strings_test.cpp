// The string table holds every text byte for byte in both languages.
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "settings/cp1251.h"
#include "settings/ui_strings.h"

namespace {

struct ExpectedText {
    int id;
    const char* english;
    const char* russian;
};

const ExpectedText kExpected[] = {
#include "expected_ui_strings.inc"
};

class UiStrings : public ::testing::Test {
protected:
    void SetUp() override { LoadUiStrings(); }
};

TEST_F(UiStrings, EveryTextMatchesItsBytesInBothLanguages) {
    for (const ExpectedText& e : kExpected) {
        EXPECT_EQ(std::string(UiStringIn(e.id, UiEnglish)), std::string(e.english)) << "id " << e.id;
        EXPECT_EQ(std::string(UiStringIn(e.id, UiRussian)), std::string(e.russian)) << "id " << e.id;
    }
}

TEST_F(UiStrings, MakerLineIsSetInBothLanguages) {
    EXPECT_STRNE(UiStringIn(StrMakerLine, UiEnglish), "");
    EXPECT_STRNE(UiStringIn(StrMakerLine, UiRussian), "");
}

TEST_F(UiStrings, IdsWithoutTextAndOutOfRangeIdsAreEmpty) {
    for (int id : {0, 1, 3, 14, 26, 31, 38, 53, 65, 99, -1, 100, 1000}) {
        EXPECT_STREQ(UiStringIn(id, UiEnglish), "") << id;
        EXPECT_STREQ(UiStringIn(id, UiRussian), "") << id;
    }
}

TEST_F(UiStrings, LookupFollowsTheCurrentLanguage) {
    SetUiLanguage(UiEnglish);
    EXPECT_STREQ(UiString(StrMoon), "Moon");
    SetUiLanguage(UiRussian);
    EXPECT_STREQ(UiString(StrMoon), "\xCB\xF3\xED\xE0");
    EXPECT_EQ(CurrentUiLanguage(), UiRussian);
}

TEST_F(UiStrings, SharedTextHoldsTheLongestTextAndGetUiStringCopiesIntoIt) {
    size_t longest = 0;
    for (int id = 0; id < UiStringCount; ++id)
        for (UiLanguage l : {UiEnglish, UiRussian}) longest = std::max(longest, strlen(UiStringIn(id, l)));
    EXPECT_EQ(SharedTextSize(), longest + 1);
    SetUiLanguage(UiEnglish);
    GetUiString(SharedText(), StrListFull);
    GetUiString(SharedText(), StrSun);  // a shorter text leaves nothing of the longer one
    EXPECT_STREQ(SharedText(), "Sun");
    EXPECT_EQ(SharedText()[4], 0);
}

TEST(UiStringTable, SeparateTablesKeepTheirOwnCopies) {
    UiStringTable table = {};
    char text[] = "first";
    SetTableString(&table, 7, UiRussian, text);
    text[0] = 'X';
    EXPECT_STREQ(TableString(&table, 7, UiRussian), "first");
    SetTableString(&table, 7, UiRussian, "second");
    EXPECT_STREQ(TableString(&table, 7, UiRussian), "second");
    EXPECT_STREQ(TableString(&table, 7, UiEnglish), "");
    SetTableString(&table, 100, UiEnglish, "ignored");
    EXPECT_STREQ(TableString(&table, 100, UiEnglish), "");
}

TEST(UiLanguageSetting, ZeroAndOneChooseOtherValuesKeepTheCurrentLanguage) {
    EXPECT_EQ(LanguageFromSetting(0, UiRussian), UiEnglish);
    EXPECT_EQ(LanguageFromSetting(1, UiEnglish), UiRussian);
    EXPECT_EQ(LanguageFromSetting(7, UiRussian), UiRussian);
    EXPECT_EQ(LanguageFromSetting(-1, UiEnglish), UiEnglish);
}

TEST(Cp1251, ConvertsEveryCyrillicLetterAndTheSignsOfTheUpperHalf) {
    std::string out;
    EXPECT_TRUE(Utf8ToCp1251("АЯаяЁё°№«»—", &out));
    EXPECT_EQ(out, "\xC0\xDF\xE0\xFF\xA8\xB8\xB0\xB9\xAB\xBB\x97");
    std::string all;
    std::string expected;
    for (int cp = 0x410; cp <= 0x44F; ++cp) {
        all += static_cast<char>(0xD0 | (cp >> 6));
        all += static_cast<char>(0x80 | (cp & 0x3F));
        expected += static_cast<char>(0xC0 + (cp - 0x410));
    }
    EXPECT_TRUE(Utf8ToCp1251(all.c_str(), &out));
    EXPECT_EQ(out, expected);
}

TEST(Cp1251, CharactersOutsideTheCodePageAndBrokenBytesBecomeQuestionMarks) {
    std::string out;
    EXPECT_FALSE(Utf8ToCp1251("a\xE4\xB8\xAD" "b", &out));  // a CJK character
    EXPECT_EQ(out, "a?b");
    EXPECT_FALSE(Utf8ToCp1251("x\xD0", &out));  // cut-short sequence at the end
    EXPECT_EQ(out, "x?");
}

}  // namespace
