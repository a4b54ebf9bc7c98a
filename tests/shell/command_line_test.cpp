// The saver's command line: program-name skipping and the mode switch grammar.
#include <gtest/gtest.h>

#include <string>

#include "shell/command_line.h"

namespace {

struct SkipCase {
    const char* commandLine;
    const char* tail;
};

TEST(SkipProgramName, LeavesTheTailAfterTheNameAndItsBlanks)
{
    const SkipCase cases[] = {
        {"Selenarium.scr /s", "/s"},
        {"\"C:\\Program Files\\Moon Saver\\Selenarium.scr\" /s", "/s"},
        {"\"C:\\My Saver\\Selenarium.scr\"/p 12", "/p 12"},
        {"Selenarium.scr \t\r\n /c:1234", "/c:1234"},
        {"Selenarium.scr", ""},
        {"\"unterminated quoted name", ""},
        {"\"\" /w", "/w"},
        {"", ""},
    };
    for (const SkipCase& c : cases)
        EXPECT_EQ(std::string(SkipProgramName(c.commandLine, NextSingleByteChar)), c.tail)
            << c.commandLine;
}

TEST(SkipProgramName, UsesTheGivenCharacterSteppingInsideQuotes)
{
    // A double-byte character whose second byte is a quote must not end the name.
    auto nextDoubleByte = [](const char* p) -> const char* {
        if (static_cast<unsigned char>(*p) == 0x81 && p[1])
            return p + 2;
        return *p ? p + 1 : p;
    };
    const char line[] = "\"a\x81\"b\" /s";
    EXPECT_STREQ(SkipProgramName(line, nextDoubleByte), "/s");
    EXPECT_STREQ(SkipProgramName(line, NextSingleByteChar), "b\" /s");
}

TEST(ReadDecimalNumber, ReadsDigitsUpToTheFirstOther)
{
    const char* end = nullptr;
    EXPECT_EQ(ReadDecimalNumber("1234:5", &end), 1234u);
    EXPECT_STREQ(end, ":5");
    EXPECT_EQ(ReadDecimalNumber("abc", &end), 0u);
    EXPECT_STREQ(end, "abc");
    // No overflow check: the value wraps around in 32 bits.
    EXPECT_EQ(ReadDecimalNumber("4294967297", nullptr), 1u);
}

struct SwitchCase {
    const char* tail;
    bool win9x;
    SaverAction action;
    uint32_t number;
    const char* rest;  // checked when not null
};

TEST(ParseSaverSwitch, FollowsTheSwitchGrammar)
{
    const SwitchCase cases[] = {
        {"", false, ActionConfigureNoParent, 0, nullptr},
        {"   ", false, ActionConfigureNoParent, 0, nullptr},
        {"/c", false, ActionConfigureForeground, 0, nullptr},
        {"-c", false, ActionConfigureForeground, 0, nullptr},
        {"c", false, ActionConfigureForeground, 0, nullptr},
        {"/c:1234", false, ActionConfigureForeground, 0, nullptr},
        {"/C", false, ActionConfigureForeground, 0, nullptr},
        {"/s", false, ActionFullScreen, 0, nullptr},
        {"/S", false, ActionFullScreen, 0, nullptr},
        {"-s", false, ActionFullScreen, 0, nullptr},
        {"s", false, ActionFullScreen, 0, nullptr},
        {"//s", false, ActionFullScreen, 0, nullptr},
        {"/ s", false, ActionFullScreen, 0, nullptr},
        {"- /-s trailing words", false, ActionFullScreen, 0, nullptr},
        {"/p 1234", false, ActionPreview, 1234, nullptr},
        {"/p1234", false, ActionPreview, 1234, nullptr},
        {"/P    77", false, ActionPreview, 77, nullptr},
        {"/l 1234", false, ActionPreview, 1234, nullptr},
        {"/L5x", false, ActionPreview, 5, nullptr},
        {"/p", false, ActionInvalid, 0, nullptr},
        {"/p 0", false, ActionInvalid, 0, nullptr},
        {"/p abc", false, ActionInvalid, 0, nullptr},
        {"/p:1234", false, ActionInvalid, 0, nullptr},
        {"/p\t1234", false, ActionInvalid, 0, nullptr},
        {"/w", false, ActionWindowed, 0, ""},
        {"/w  anything at all", false, ActionWindowed, 0, "anything at all"},
        {"W", false, ActionWindowed, 0, ""},
        {"/a", false, ActionInvalid, 0, nullptr},
        {"/A 99", false, ActionInvalid, 0, nullptr},
        {"/a", true, ActionChangePassword, 0, ""},
        {"/a  99", true, ActionChangePassword, 0, "99"},
        {"a0", true, ActionChangePassword, 0, "0"},
        {"/x", false, ActionInvalid, 0, nullptr},
        {"/?", false, ActionInvalid, 0, nullptr},
        {"\t/s", false, ActionInvalid, 0, nullptr},
        {"\x80", false, ActionInvalid, 0, nullptr},
        {"/\xF3", true, ActionInvalid, 0, nullptr},
        {"\xE1s", false, ActionInvalid, 0, nullptr},
    };
    for (const SwitchCase& c : cases) {
        SaverSwitch sw = ParseSaverSwitch(c.tail, c.win9x);
        EXPECT_EQ(sw.action, c.action) << "\"" << c.tail << "\" win9x=" << c.win9x;
        if (c.action == ActionPreview) {
            EXPECT_EQ(sw.number, c.number) << c.tail;
        }
        if (c.rest) {
            EXPECT_STREQ(sw.rest, c.rest) << c.tail;
        }
    }
}

}  // namespace
