// Reading a user colour as "Control Panel\Colors" stores it.
#include "palette_colour_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(ParseColourText, ReadsThreeNumbersEachModulo256)
{
    struct Case { const char* text; int red, green, blue; };
    const Case cases[] = {
        {"255 0 128", 255, 0, 128},
        {"  1\t 2   3", 1, 2, 3},
        {"10 20 30 and more", 10, 20, 30},
        {"+7 -1 256", 7, 255, 0},
        {"257 -256 -257", 1, 0, 255},
        {"99999999999999999999 0 0", 255, 0, 0},  // 10^20 - 1, no overflow
    };
    for (const Case& c : cases) {
        ColourTriple colour{9, 9, 9};
        ASSERT_TRUE(ParseColourText(c.text, std::strlen(c.text), &colour)) << c.text;
        EXPECT_EQ(colour.red, c.red) << c.text;
        EXPECT_EQ(colour.green, c.green) << c.text;
        EXPECT_EQ(colour.blue, c.blue) << c.text;
    }
}

TEST(ParseColourText, FewerThanThreeNumbersLeaveTheColourAlone)
{
    const char* texts[] = {"", "255 0", "255,0,128", "red green blue", "1 2 -", "1 2 +x"};
    for (const char* text : texts) {
        ColourTriple colour{9, 8, 7};
        EXPECT_FALSE(ParseColourText(text, std::strlen(text), &colour)) << text;
        EXPECT_EQ(colour.red, 9);
        EXPECT_EQ(colour.green, 8);
        EXPECT_EQ(colour.blue, 7);
    }
}

TEST(ParseColourText, StopsAtTheGivenLengthOrANul)
{
    // Registry data need not end with a NUL: nothing past its length is read.
    const char unterminated[] = {'1', '2', ' ', '3', '4', ' ', '5', '6'};
    ColourTriple colour{};
    ASSERT_TRUE(ParseColourText(unterminated, 7, &colour));
    EXPECT_EQ(colour.blue, 5);
    ASSERT_TRUE(ParseColourText(unterminated, sizeof unterminated, &colour));
    EXPECT_EQ(colour.blue, 56);
    EXPECT_FALSE(ParseColourText(unterminated, 5, &colour));

    const std::string withNul("1 2\0 3", 6);
    EXPECT_FALSE(ParseColourText(withNul.data(), withNul.size(), &colour));
}
