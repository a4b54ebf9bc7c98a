// A stand-in scene, linked only while the Moon scene library is absent: it clears the
// window to the night-sky colour every frame.
#include <windows.h>
#include <GL/gl.h>

#include "shell/scene_interface.h"

static SaverContext s_placeholderContext;

static void PlaceholderInit(HWND)
{
    glDisable(GL_DEPTH_TEST);
}

static void PlaceholderFrame(HWND)
{
    glClearColor(5.0f / 255.0f, 10.0f / 255.0f, 30.0f / 255.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glFlush();
}

SaverContext* SceneRegister()
{
    s_placeholderContext.doubleBuffer = 1;
    s_placeholderContext.depthRequest = 1;
    SetInitCallback(PlaceholderInit);
    SetFrameCallback(PlaceholderFrame);
    return &s_placeholderContext;
}
