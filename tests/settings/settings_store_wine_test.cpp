// The settings store against the real registry: missing keys, wrong types and sizes.
#include <gtest/gtest.h>
#include <windows.h>

#include <string.h>

#include <string>

#include "registry_fixture.h"
#include "settings/settings_store.h"

namespace {

class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override { regfix::Clear(); }
    void TearDown() override { regfix::Clear(); }
};

TEST_F(SettingsStore, TexturePathMustFitTheHundredByteBuffer) {
    const struct {
        size_t length;  // without the NUL
        bool fits;
    } cases[] = {{98, true}, {99, true}, {100, false}, {150, false}};
    for (const auto& c : cases) {
        std::string path(c.length, 'p');
        regfix::SetString(SettingTextureFull, path);
        char buffer[TexturePathBufferSize];
        memset(buffer, 0, sizeof buffer);
        EXPECT_EQ(ReadSettingString(SettingsSubKey, SettingTextureFull, buffer, sizeof buffer), c.fits) << c.length;
        if (c.fits) {
            EXPECT_EQ(std::string(buffer), path);
        }
    }
}

TEST_F(SettingsStore, StringReaderRejectsBinaryButThePlainReaderAcceptsIt) {
    const char path[] = "C:\\Selenarium\\town_en";
    regfix::Set(SettingTextureFull, REG_BINARY, path, sizeof path);
    regfix::Set(SettingPlacesEnglish, REG_BINARY, path, sizeof path);
    char buffer[PlacesPathBufferSize] = {0};
    EXPECT_FALSE(ReadSettingString(SettingsSubKey, SettingTextureFull, buffer, TexturePathBufferSize));
    EXPECT_STREQ(buffer, "");
    EXPECT_TRUE(ReadSetting(SettingsSubKey, SettingPlacesEnglish, buffer, sizeof buffer));
    EXPECT_STREQ(buffer, path);
}

TEST_F(SettingsStore, ShorterValueChangesOnlyItsOwnBytes) {
    unsigned char one = 1;
    regfix::Set(SettingLanguage, REG_BINARY, &one, 1);
    int language = 0;
    EXPECT_TRUE(ReadSetting(SettingsSubKey, SettingLanguage, &language, sizeof language));
    EXPECT_EQ(language, 1);
    EXPECT_EQ(ReadLanguageSetting(), 1);

    int filled = 0x7F7F7F7F;
    regfix::Set(SettingLanguage, REG_BINARY, &one, 1);
    ASSERT_TRUE(ReadSetting(SettingsSubKey, SettingLanguage, &filled, sizeof filled));
    EXPECT_EQ(filled, 0x7F7F7F01);
}

TEST_F(SettingsStore, FailedReadsLeaveTheBufferAlone) {
    regfix::CreateSettingKey();
    double latitude = 12.5;
    EXPECT_FALSE(ReadSetting(SettingsSubKey, SettingLatitude, &latitude, sizeof latitude));  // missing
    regfix::Set(SettingLatitude, REG_BINARY, "0123456789", 10);                               // too long
    EXPECT_FALSE(ReadSetting(SettingsSubKey, SettingLatitude, &latitude, sizeof latitude));
    EXPECT_EQ(latitude, 12.5);
}

TEST_F(SettingsStore, WithoutTheKeyLanguageReadsAsEnglishAndTheWriteBackFailsQuietly) {
    EXPECT_EQ(ReadLanguageSetting(), 0);
    EXPECT_FALSE(regfix::KeyExists(regfix::kSettingKey));
    int one = 1;
    EXPECT_FALSE(WriteSetting(SettingsSubKey, SettingLanguage, &one, sizeof one));
}

TEST_F(SettingsStore, MissingLanguageIsWrittenBackAsZero) {
    regfix::CreateSettingKey();
    EXPECT_EQ(ReadLanguageSetting(), 0);
    int stored = -1;
    EXPECT_TRUE(regfix::GetBinary(SettingLanguage, &stored));
    EXPECT_EQ(stored, 0);
}

TEST_F(SettingsStore, WritesAreBinaryWithTheGivenSize) {
    regfix::CreateSettingKey();
    double longitude = 60.133333333333333;
    unsigned char flag = 1;
    EXPECT_TRUE(WriteSetting(SettingsSubKey, SettingLongitude, &longitude, sizeof longitude));
    EXPECT_TRUE(WriteSetting(SettingsSubKey, SettingShowStar, &flag, 1));
    double stored = 0;
    EXPECT_TRUE(regfix::GetBinary(SettingLongitude, &stored));
    EXPECT_EQ(stored, longitude);
    unsigned char storedFlag = 0;
    EXPECT_TRUE(regfix::GetBinary(SettingShowStar, &storedFlag));
    EXPECT_EQ(storedFlag, 1);
}

TEST_F(SettingsStore, KeyCreationNeedsTheProductKeyUnlessEnsured) {
    EXPECT_FALSE(CreateSettingsKey(SettingsSubKey));
    EXPECT_FALSE(regfix::KeyExists("SOFTWARE\\Kestrelwick"));
    EXPECT_TRUE(EnsureSettingsKey());
    EXPECT_TRUE(regfix::KeyExists(regfix::kSettingKey));
    EXPECT_TRUE(EnsureSettingsKey());  // again: opens what exists
    EXPECT_TRUE(CreateSettingsKey("Other"));
    EXPECT_TRUE(regfix::KeyExists("SOFTWARE\\Kestrelwick\\Selenarium\\Other"));
}

TEST_F(SettingsStore, OverlongSubKeyNamesAreRefused) {
    EnsureSettingsKey();
    std::string longName(200, 'k');
    int value = 1;
    EXPECT_FALSE(CreateSettingsKey(longName.c_str()));
    EXPECT_FALSE(WriteSetting(longName.c_str(), SettingLanguage, &value, sizeof value));
}

}  // namespace
