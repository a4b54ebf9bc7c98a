// The Moon scene's process-wide state and the operations of its three passes.
// Everything here runs on the saver's UI thread (frames and the animation timer).
#ifndef SELENARIUM_SCENE_SCENE_STATE_H
#define SELENARIUM_SCENE_SCENE_STATE_H

#include <windows.h>
#include <GL/gl.h>
#include <GL/glu.h>

#include "scene/star_motion.h"
#include "settings/ui_strings.h"

// The scene's fixed coordinate frame: x 0..125 from the left, y 0..100 from the bottom.
const double SceneWidth = 125.0;
const double SceneHeight = 100.0;
const double MoonScale = 0.85;
const UINT SceneTimerPeriod = 32;  // ms

enum SceneTexture { MoonTexture = 0, RimTexture = 1, GlowTexture = 2, SceneTextureNames = 4 };

const int TexturePathSize = 100;

struct SceneState {
    bool preview;
    UiLanguage language;
    bool showText;
    bool showStars;
    double latitude;
    double longitude;
    bool placeUnset;
    char texturePathFull[TexturePathSize];
    char texturePathPreview[TexturePathSize];
    bool textureLoaded;
    GLuint textures[SceneTextureNames];
    int frameCounter;
    float skyColour[3];
    StarField stars;
    GLUquadric* quadric;  // filled, texture coordinates on; one for the run
    HFONT titleFont;  // none in preview
    HFONT bodyFont;
    int linkFrame;
    double linkAlpha;
};

extern SceneState Scene;

// Set-up and frame loop.
void SceneInit(HWND window);
void SceneDrawFrame(HWND window);
void CALLBACK SceneTick(HWND window, UINT message, UINT_PTR id, DWORD time);

// Textures.
void LoadMoonTextures(const char* path);

// The globe pass.
void DrawMoonGlobe(double x, double y, double z);

// The star pass.
void CreateStarField();
void DrawStarSprite(double x, double y, double size, double angle, double brightness);
void DrawFlare(GLUquadric* quadric, double x, double y, double size, double angle, double alpha);
void DrawCachedSphere(double radius);

// Display lists belong to the GL context they were made in: SceneInit, which runs on a
// fresh context, starts without the sphere and text lists of an earlier one.
void ForgetSphereLists();
void ForgetTextLists();

// The text pass.
void CreatePanelFonts();
HFONT CreateUiFont(int height, int weight, const char* face);
HFONT SelectTextFont(HFONT font);
void DrawTextPanel();
void DrawLinkLine();

// Called, when set, at the boundaries of a drawn frame's stages, so a benchmark can
// time them; null in the screensaver.
enum SceneStage { StageFrameStart, StageEphemeris, StageTextPass, StageStarPass, StageGlobePass };
extern void (*SceneStageProbe)(SceneStage stage);

// Rendered texts are kept as display lists and reused while the same text is drawn
// with the same font; true by default, off only to compare the two ways.
extern bool SceneTextCacheEnabled;

#endif
