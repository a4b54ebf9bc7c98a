// The scene driven frame by frame in a real GL context under Wine: texture loading,
// preview pacing and star count, the text cache, and the settings read at set-up.
#include <windows.h>
#include <GL/gl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "ephemeris/moon_state.h"
#include "scene/moon_alpha.h"
#include "scene/scene_state.h"
#include "scene_host.h"
#include "settings/settings_store.h"
#include "shell/scene_interface.h"

namespace {

const int ScreenW = 1024, ScreenH = 768;

void Put32(std::vector<unsigned char>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<unsigned char>(v >> (8 * i));
}

// An 8-bit bottom-up bitmap with a grey-ramp colour table; pixel j holds `pixel(j)`.
std::vector<unsigned char> GreyBitmap(int32_t width, int32_t height, size_t pixelBytes, uint16_t bits = 8) {
    const uint32_t offset = 54 + 1024;
    std::vector<unsigned char> b(offset + pixelBytes, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<uint32_t>(b.size()));
    Put32(b, 10, offset);
    Put32(b, 14, 40);
    Put32(b, 18, static_cast<uint32_t>(width));
    Put32(b, 22, static_cast<uint32_t>(height));
    b[26] = 1;
    b[28] = static_cast<unsigned char>(bits);
    for (int k = 0; k < 256; ++k) b[54 + 4 * k] = b[55 + 4 * k] = b[56 + 4 * k] = static_cast<unsigned char>(k);
    for (size_t j = 0; j < pixelBytes; ++j) b[offset + j] = static_cast<unsigned char>(j * 7);
    return b;
}

std::string WriteTemp(const std::vector<unsigned char>& bytes) {
    char folder[MAX_PATH], path[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    GetTempFileNameA(folder, "scn", 0, path);
    FILE* f = std::fopen(path, "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    return path;
}

struct TextureImage {
    int width = 0, height = 0;
    std::vector<unsigned char> rgba;
};

TextureImage ReadTexture(SceneTexture which) {
    TextureImage image;
    glBindTexture(GL_TEXTURE_2D, Scene.textures[which]);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &image.width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &image.height);
    image.rgba.assign(static_cast<size_t>(image.width) * image.height * 4, 0);
    if (!image.rgba.empty()) {
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, image.rgba.data());
    }
    return image;
}

// Whether a back-buffer pixel differs visibly from the sky colour (5, 10, 30).
bool NotSky(const std::vector<unsigned char>& pixels, int x, int yFromBottom) {
    const unsigned char* p = &pixels[(static_cast<size_t>(yFromBottom) * ScreenW + x) * 3];
    return std::abs(p[0] - 5) + std::abs(p[1] - 10) + std::abs(p[2] - 30) > 24;
}

int CountNotSky(const std::vector<unsigned char>& pixels, int x0, int x1, int y0, int y1) {
    int count = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) count += NotSky(pixels, x, y) ? 1 : 0;
    return count;
}

class SceneFrameTest : public ::testing::Test {
protected:
    SceneHost host = {};
    std::vector<std::string> files;

    void Open(bool preview) {
        ASSERT_TRUE(OpenSceneHost(&host, ScreenW, ScreenH, preview));
        const HFONT title = Scene.titleFont, body = Scene.bodyFont;
        Scene = SceneState{};
        MoonState = decltype(MoonState){};   // as a new process has it
        Scene.titleFont = preview ? nullptr : title;
        Scene.bodyFont = preview ? nullptr : body;
        SceneRegister();
    }
    void TearDown() override {
        CloseSceneHost(&host);
        for (const std::string& f : files) DeleteFileA(f.c_str());
        SceneTextCacheEnabled = true;
    }
    std::string Temp(const std::vector<unsigned char>& bytes) {
        files.push_back(WriteTemp(bytes));
        return files.back();
    }
    void LoadTextures(bool preview, const std::string& path) {
        Scene.preview = preview;
        glGenTextures(SceneTextureNames, Scene.textures);
        LoadMoonTextures(path.c_str());
    }
};

}  // namespace

TEST_F(SceneFrameTest, FullScreenTextureIsTheFileInvertedWithTheLimbMaskAsAlpha) {
    Open(false);
    const int w = 64, h = 32;
    LoadTextures(false, Temp(GreyBitmap(w, h, w * h)));
    ASSERT_TRUE(Scene.textureLoaded);
    const TextureImage moon = ReadTexture(MoonTexture);
    ASSERT_EQ(w, moon.width);
    ASSERT_EQ(h, moon.height);
    std::vector<unsigned char> limb(w * h);
    MakeLimbMask(limb.data(), w, h);
    for (int j = 0; j < w * h; ++j) {
        const unsigned char stored = static_cast<unsigned char>(j * 7);
        ASSERT_EQ(255 - stored, moon.rgba[4 * j]) << j;
        ASSERT_EQ(moon.rgba[4 * j], moon.rgba[4 * j + 2]) << j;
        ASSERT_EQ(limb[j], moon.rgba[4 * j + 3]) << j;
    }
    const TextureImage rim = ReadTexture(RimTexture);
    EXPECT_EQ(w / 8, rim.width);
    EXPECT_EQ(h / 8, rim.height);
    EXPECT_EQ(215, rim.rgba[2]);
    const TextureImage glow = ReadTexture(GlowTexture);
    ASSERT_EQ(32, glow.width);
    ASSERT_EQ(16, glow.height);
    EXPECT_EQ(16, glow.rgba[3]);               // first row
    EXPECT_EQ(0, glow.rgba[(8 * 32) * 4 + 3]); // middle row
}

TEST_F(SceneFrameTest, PreviewTextureIsTheFileAsStoredAndBuildsNoRim) {
    Open(true);
    const int w = 16, h = 8;
    LoadTextures(true, Temp(GreyBitmap(w, h, w * h)));
    ASSERT_TRUE(Scene.textureLoaded);
    const TextureImage moon = ReadTexture(MoonTexture);
    ASSERT_EQ(w * h * 4, static_cast<int>(moon.rgba.size()));
    for (int j = 0; j < w * h; ++j) ASSERT_EQ(static_cast<unsigned char>(j * 7), moon.rgba[4 * j]) << j;
    EXPECT_EQ(0, ReadTexture(RimTexture).width);
}

TEST_F(SceneFrameTest, ShortPixelDataLeavesTheRestTransparentBlack) {
    Open(false);
    LoadTextures(false, Temp(GreyBitmap(16, 8, 10)));
    ASSERT_TRUE(Scene.textureLoaded);
    const TextureImage moon = ReadTexture(MoonTexture);
    ASSERT_EQ(16, moon.width);
    for (int j = 10; j < 16 * 8; ++j) {
        for (int c = 0; c < 4; ++c) ASSERT_EQ(0, moon.rgba[4 * j + c]) << j;
    }
}

TEST_F(SceneFrameTest, UnusableFilesLeaveTheGlobeUntexturedAndStillBuildTheBands) {
    Open(false);
    struct Case { const char* what; std::vector<unsigned char> bytes; };
    std::vector<unsigned char> truncated = GreyBitmap(16, 8, 0);
    truncated.resize(30);
    const Case cases[] = {
        {"16 bits", GreyBitmap(16, 8, 256, 16)},
        {"negative height", GreyBitmap(16, -8, 128)},
        {"zero height", GreyBitmap(16, 0, 0)},
        {"not a power of two", GreyBitmap(24, 8, 192)},
        {"absurd size", GreyBitmap(0x40000000, 0x40000000, 64)},
        {"truncated header", truncated},
    };
    for (const Case& c : cases) {
        LoadTextures(false, Temp(c.bytes));
        EXPECT_FALSE(Scene.textureLoaded) << c.what;
        EXPECT_EQ(32, ReadTexture(GlowTexture).width) << c.what;
        EXPECT_EQ(256, ReadTexture(RimTexture).width) << c.what;
    }
    LoadTextures(false, "null");
    EXPECT_FALSE(Scene.textureLoaded);
    LoadTextures(false, "C:\\no\\such\\folder\\moon_2048x1024.bmp");
    EXPECT_FALSE(Scene.textureLoaded);
}

TEST_F(SceneFrameTest, PreviewDrawsEverySecondCallAndOnlyTheFirstTwentyStars) {
    Open(true);
    SceneInit(host.window);
    // Stars 0..19 along the top left, the rest along the top right, above the globe.
    for (int i = 0; i < StarCount; ++i) {
        StarEntry& star = Scene.stars.stars[i];
        star.x = i < 20 ? 5.0 + 2.5 * i : 67.0 + 0.6 * (i - 20);
        star.y = 95.0;
        star.brightness = 1.0;
    }
    SceneDrawFrame(host.window);  // counter 0: drawn
    std::vector<unsigned char> pixels = ReadBackBuffer(host);
    const int topBand0 = ScreenH * 90 / 100, topBand1 = ScreenH;
    EXPECT_GT(CountNotSky(pixels, 0, ScreenW * 60 / 125, topBand0, topBand1), 20);
    EXPECT_EQ(0, CountNotSky(pixels, ScreenW * 64 / 125, ScreenW, topBand0, topBand1));

    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    SceneDrawFrame(host.window);  // counter 1: nothing drawn
    pixels = ReadBackBuffer(host);
    EXPECT_EQ(255, pixels[(384 * ScreenW + 512) * 3]);
    EXPECT_EQ(0, pixels[(384 * ScreenW + 512) * 3 + 1]);
    SceneDrawFrame(host.window);  // counter 2: drawn again
    pixels = ReadBackBuffer(host);
    EXPECT_NE(255, pixels[(700 * ScreenW + 20) * 3]);
}

TEST_F(SceneFrameTest, FullScreenDrawsEveryStarAndEveryCall) {
    Open(false);
    SceneInit(host.window);
    for (int i = 0; i < StarCount; ++i) {
        StarEntry& star = Scene.stars.stars[i];
        star.x = i < 20 ? 5.0 + 2.5 * i : 67.0 + 0.6 * (i - 20);
        star.y = 95.0;
        star.brightness = 1.0;
    }
    Scene.showText = false;
    SceneDrawFrame(host.window);
    EXPECT_NE(0, MoonState.sunAltitude);  // the first frame computes the moon state
    SceneDrawFrame(host.window);
    const std::vector<unsigned char> pixels = ReadBackBuffer(host);
    EXPECT_GT(CountNotSky(pixels, ScreenW * 64 / 125, ScreenW, ScreenH * 90 / 100, ScreenH), 100);
}

TEST_F(SceneFrameTest, CachedTextGivesTheSamePixelsAsFreshlyRenderedText) {
    Open(false);
    SceneInit(host.window);
    bool compared = false;
    for (int attempt = 0; attempt < 5 && !compared; ++attempt) {
        const std::time_t before = std::time(nullptr);
        Scene.frameCounter = -1;  // frame 0 updates the moon state, frames 1..3 reuse it
        Scene.linkFrame = 10;    // the web address: drawn, still invisible, in every frame
        SceneTextCacheEnabled = false;
        SceneDrawFrame(host.window);  // also leaves blending on for the next frame's text
        SceneDrawFrame(host.window);
        const std::vector<unsigned char> fresh = ReadBackBuffer(host);
        SceneTextCacheEnabled = true;
        SceneDrawFrame(host.window);
        SceneDrawFrame(host.window);
        const std::vector<unsigned char> cached = ReadBackBuffer(host);
        if (std::time(nullptr) != before) continue;  // the clock text changed meanwhile
        compared = true;
        EXPECT_GT(CountNotSky(fresh, 0, ScreenW / 3, 0, ScreenH / 4), 500);  // the panel is there
        EXPECT_TRUE(fresh == cached);
    }
    EXPECT_TRUE(compared);
}

TEST_F(SceneFrameTest, SetUpReadsTheSettingsAndFillsInTheDefaults) {
    ASSERT_TRUE(EnsureSettingsKey());
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Kestrelwick\\Selenarium\\Setting", 0,
                                           KEY_ALL_ACCESS, &key));
    for (const char* name : {"Language", "Latitude", "Longitude", "ShowText", "ShowStar", "textures00"})
        RegDeleteValueA(key, name);
    Open(false);
    SceneInit(host.window);
    EXPECT_EQ(UiEnglish, Scene.language);
    int language = -1;
    EXPECT_TRUE(ReadSetting(SettingsSubKey, SettingLanguage, &language, sizeof language));
    EXPECT_EQ(0, language);
    EXPECT_DOUBLE_EQ(40.0, Scene.latitude);
    EXPECT_TRUE(Scene.placeUnset);
    EXPECT_TRUE(Scene.showText);
    EXPECT_TRUE(Scene.showStars);
    EXPECT_STREQ("null", Scene.texturePathFull);
    EXPECT_DOUBLE_EQ(Scene.longitude, ObserverPlace.longitude);
    CloseSceneHost(&host);

    const int russian = 1;
    const double longitude = -71.25;
    const unsigned char off = 0;
    RegSetValueExA(key, "Language", 0, REG_BINARY, reinterpret_cast<const BYTE*>(&russian), 4);
    RegSetValueExA(key, "Longitude", 0, REG_BINARY, reinterpret_cast<const BYTE*>(&longitude), 8);
    RegSetValueExA(key, "ShowStar", 0, REG_BINARY, &off, 1);
    RegSetValueExA(key, "textures00", 0, REG_BINARY, reinterpret_cast<const BYTE*>("C:\\m.bmp"), 9);
    Open(false);
    SceneInit(host.window);
    EXPECT_EQ(UiRussian, Scene.language);
    EXPECT_DOUBLE_EQ(55.0, Scene.latitude);
    EXPECT_DOUBLE_EQ(-71.25, Scene.longitude);
    EXPECT_TRUE(Scene.placeUnset);
    EXPECT_FALSE(Scene.showStars);
    EXPECT_STREQ("null", Scene.texturePathFull);  // a path stored as binary is no path
    RegCloseKey(key);
}
