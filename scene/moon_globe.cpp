// The lit, textured Moon and its faint rim; the phase comes from the light alone.
#include "scene/scene_state.h"

namespace {

const double GlobeRadius = MoonScale * SceneHeight * 0.45;
const double RimRadius = MoonScale * SceneHeight * 0.46;

}  // namespace

void DrawMoonGlobe(double x, double y, double z) {
    glPushMatrix();
    glEnable(GL_ALPHA_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_COLOR_MATERIAL);

    const GLfloat ambient[] = {0.08f, 0.08f, 0.08f, 1.0f};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
    const GLfloat position[] = {static_cast<GLfloat>(x), static_cast<GLfloat>(y), static_cast<GLfloat>(z), 1.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glColor4f(0.9978f, 0.9978f, 0.9978f, 1.0f);

    // Poles on the screen's vertical axis, the picture's left half facing the viewer.
    glTranslated(SceneWidth * 0.5, SceneHeight * 0.5, 2.0);
    glRotated(-90.0, 1.0, 0.0, 0.0);
    glRotated(90.0, 0.0, 0.0, 1.0);

    if (Scene.textureLoaded) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, Scene.textures[MoonTexture]);
    } else {
        glDisable(GL_TEXTURE_2D);
    }
    if (Scene.quadric != nullptr) {
        if (Scene.preview) {
            gluSphere(Scene.quadric, GlobeRadius, 64, 32);
        } else {
            gluSphere(Scene.quadric, GlobeRadius, 128, 64);
        }
    }

    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, Scene.textures[RimTexture]);
    if (!Scene.preview && Scene.quadric != nullptr) {
        glPushMatrix();
        glRotated(90.0, 0.0, 1.0, 0.0);
        gluSphere(Scene.quadric, RimRadius, 128, 32);
        glPopMatrix();
    }

    glDisable(GL_TEXTURE_2D);
    glDisable(GL_COLOR_MATERIAL);
    glPopMatrix();
}
