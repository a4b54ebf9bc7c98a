// A minimal stand-in for the screensaver shell, so the scene can be driven frame by
// frame in tests and benchmarks: one window with a double-buffered GL context.
#ifndef SELENARIUM_TESTS_SCENE_SCENE_HOST_H
#define SELENARIUM_TESTS_SCENE_SCENE_HOST_H

#include <windows.h>

#include <vector>

struct SceneHost {
    HWND window;
    HDC dc;
    HGLRC context;
    int width;
    int height;
};

// Opens a borderless window of the given size at the screen's top left corner, with
// its GL context current. `preview` is what IsPreviewMode reports to the scene.
bool OpenSceneHost(SceneHost* host, int width, int height, bool preview);
void CloseSceneHost(SceneHost* host);

// Dispatches pending messages (the scene's animation timer among them).
void PumpSceneMessages();

// Reads the back buffer (RGB, bottom-up rows).
std::vector<unsigned char> ReadBackBuffer(const SceneHost& host);

#endif
