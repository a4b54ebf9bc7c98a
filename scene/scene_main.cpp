// The scene's set-up and frame loop: settings, projection, textures, light and stars
// once; then per frame the sky, the moon state, the text, the stars and the globe.
#include "scene/scene_state.h"

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "ephemeris/moon_state.h"
#include "scene/default_place.h"
#include "settings/settings_store.h"
#include "shell/scene_interface.h"

SceneState Scene = {};
void (*SceneStageProbe)(SceneStage stage) = nullptr;

namespace {

SaverContext sceneContext;

void ReadTexturePath(const char* valueName, char* path) {
    std::memset(path, 0, TexturePathSize);
    if (!ReadSettingString(SettingsSubKey, valueName, path, TexturePathSize)) {
        std::strcpy(path, MissingTexturePath);
    }
}

bool ReadSwitch(const char* valueName, bool fallback) {
    unsigned char value = fallback ? 1 : 0;
    ReadSetting(SettingsSubKey, valueName, &value, sizeof value);
    return value != 0;
}

long StandardZoneBias() {
    TIME_ZONE_INFORMATION zone;
    std::memset(&zone, 0, sizeof zone);
    if (GetTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID) return 0;
    return zone.Bias;
}

void ReadSceneSettings() {
    const int languageValue = ReadLanguageSetting();
    Scene.language = LanguageFromSetting(languageValue, CurrentUiLanguage());
    SetUiLanguage(Scene.language);
    LoadUiStrings();

    ReadTexturePath(SettingTextureFull, Scene.texturePathFull);
    ReadTexturePath(SettingTexturePreview, Scene.texturePathPreview);
    Scene.showText = ReadSwitch(SettingShowText, true);
    Scene.showStars = ReadSwitch(SettingShowStar, true);

    double latitude = 0.0;
    if (ReadSetting(SettingsSubKey, SettingLatitude, &latitude, sizeof latitude)) {
        Scene.latitude = latitude;
    } else {
        Scene.latitude = DefaultLatitude(Scene.language == UiRussian);
        Scene.placeUnset = true;
    }
    double longitude = 0.0;
    if (ReadSetting(SettingsSubKey, SettingLongitude, &longitude, sizeof longitude)) {
        Scene.longitude = longitude;
    } else {
        Scene.longitude = DefaultLongitudeFromBias(StandardZoneBias());
        Scene.placeUnset = true;
    }
    ObserverPlace.latitude = Scene.latitude;
    ObserverPlace.longitude = Scene.longitude;
}

void SetUpProjection() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, SceneWidth, 0.0, SceneHeight, -10.0 * SceneWidth, 10.0 * SceneWidth);
    gluLookAt(0.0, 0.0, 5.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_DEPTH_TEST);
}

void SetUpLight() {
    const GLfloat specular[] = {0.0099f, 0.0099f, 0.00099f, 1.0f};
    const GLfloat diffuse[] = {0.99f, 0.99f, 0.99f, 1.0f};
    const GLfloat position[] = {-1.0e9f, 1.0e9f, 0.0f, 1.0f};
    glLightfv(GL_LIGHT0, GL_SPECULAR, specular);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
}

void Probe(SceneStage stage) {
    if (SceneStageProbe != nullptr) SceneStageProbe(stage);
}

void DrawTextPass() {
    glPushMatrix();
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_ALPHA_TEST);
    CreatePanelFonts();
    if (!Scene.preview && Scene.showText) DrawTextPanel();
    DrawLinkLine();
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_COLOR_MATERIAL);
    glEnable(GL_LIGHTING);
    glPopMatrix();
}

void DrawStarPass() {
    glPushMatrix();
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    glDisable(GL_TEXTURE_2D);
    const int count = Scene.preview ? StarCount / 5 : StarCount;
    for (int i = 0; i < count; ++i) {
        const StarEntry& star = Scene.stars.stars[i];
        DrawStarSprite(star.x, star.y, star.size, star.angle, star.brightness);
    }
    glBindTexture(GL_TEXTURE_2D, Scene.textures[GlowTexture]);
    for (int i = StarCount; i < StarCount + FlareCount; ++i) {
        const StarEntry& flare = Scene.stars.stars[i];
        glDisable(GL_LIGHT0);
        DrawFlare(Scene.quadric, flare.x, flare.y, Scene.stars.flareSize, 0.0, Scene.stars.flareAlpha);
        glEnable(GL_LIGHT0);
    }
    glPopMatrix();
}

}  // namespace

void SceneInit(HWND) {
    ForgetSphereLists();
    ForgetTextLists();
    Scene.preview = IsPreviewMode();
    ReadSceneSettings();
    SetUpProjection();
    Scene.quadric = gluNewQuadric();
    if (Scene.quadric != nullptr) {
        gluQuadricDrawStyle(Scene.quadric, GLU_FILL);
        gluQuadricTexture(Scene.quadric, GL_TRUE);
    }
    glGenTextures(SceneTextureNames, Scene.textures);
    LoadMoonTextures(Scene.preview ? Scene.texturePathPreview : Scene.texturePathFull);
    SetUpLight();
    CreateStarField();
    SetTimer(nullptr, 0, SceneTimerPeriod, SceneTick);
}

void SceneDrawFrame(HWND) {
    Scene.frameCounter += 1;
    if (Scene.preview && (Scene.frameCounter & 1) != 0) return;

    Scene.skyColour[0] = 5.0f / 255.0f;
    Scene.skyColour[1] = 10.0f / 255.0f;
    Scene.skyColour[2] = 30.0f / 255.0f;
    glClearColor(Scene.skyColour[0], Scene.skyColour[1], Scene.skyColour[2], 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    Probe(StageFrameStart);
    if (Scene.frameCounter % 4 == 0) UpdateMoonState();
    double x = 0.0, y = 0.0, z = 0.0;
    SunLightVector(x, y, z);
    Probe(StageEphemeris);

    DrawTextPass();
    Probe(StageTextPass);
    if (Scene.showStars) DrawStarPass();
    Probe(StageStarPass);
    DrawMoonGlobe(x, y, z);
    glFlush();
    Probe(StageGlobePass);
}

SaverContext* SceneRegister() {
    Scene.frameCounter = -1;
    Scene.language = UiRussian;
    Scene.showText = true;
    Scene.showStars = true;
    sceneContext.doubleBuffer = 1;
    sceneContext.depthRequest = 1;
    SetInitCallback(SceneInit);
    SetFrameCallback(SceneDrawFrame);
    return &sceneContext;
}
