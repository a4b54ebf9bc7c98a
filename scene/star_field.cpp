// The twinkling stars behind the Moon and the flare that flashes up now and then.
#include "scene/scene_state.h"

#include <cstdlib>

namespace {

struct SphereListEntry {
    GLuint list;
    double radius;
    SphereListEntry* next;
};

SphereListEntry* SphereListCache = nullptr;

int RuntimeRandom() { return std::rand(); }

// A line from a tip in the tip colour to the centre in the centre colour.
void Spoke(const GLfloat* tip, const GLfloat* centre, double x, double y) {
    glColor4fv(tip);
    glVertex3d(x, y, 0.0);
    glColor4fv(centre);
    glVertex3d(0.0, 0.0, 0.0);
}

// Four spokes: the horizontal pair at +-halfWidth, the vertical pair at +-halfHeight.
void Cross(const GLfloat* tip, const GLfloat* centre, double halfWidth, double halfHeight) {
    glBegin(GL_LINES);
    Spoke(tip, centre, -halfWidth, 0.0);
    Spoke(tip, centre, halfWidth, 0.0);
    Spoke(tip, centre, 0.0, halfHeight);
    Spoke(tip, centre, 0.0, -halfHeight);
    glEnd();
}

void RotatedCross(double degrees, const GLfloat* tip, const GLfloat* centre, double halfWidth,
                  double halfHeight) {
    glPushMatrix();
    glRotated(degrees, 0.0, 0.0, 1.0);
    Cross(tip, centre, halfWidth, halfHeight);
    glPopMatrix();
}

// Common start of a star and a flare: state, colours and the sprite's own frame.
void BeginSprite(double x, double y, double depth, double angle, double alpha, GLfloat* centre,
                 GLfloat* tip) {
    glPushMatrix();
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_ALPHA_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_COLOR_MATERIAL);
    glLineWidth(1.0f);
    const GLfloat a = static_cast<GLfloat>(alpha);
    centre[0] = centre[1] = centre[2] = 1.0f;
    centre[3] = a;
    tip[0] = Scene.skyColour[0];
    tip[1] = Scene.skyColour[1];
    tip[2] = Scene.skyColour[2];
    tip[3] = a;
    const GLfloat ambient[] = {0.6f, 0.6f, 1.0f, 1.0f};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
    glTranslated(x, y, depth);
    glRotated(angle, 0.0, 0.0, 1.0);
}

void EndSprite() {
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
    glEnable(GL_TEXTURE_2D);
    glPopMatrix();
}

}  // namespace

void ForgetSphereLists() {
    while (SphereListCache != nullptr) {
        SphereListEntry* next = SphereListCache->next;
        delete SphereListCache;
        SphereListCache = next;
    }
}

void CreateStarField() { FillStarField(&Scene.stars, RuntimeRandom); }

void CALLBACK SceneTick(HWND, UINT, UINT_PTR, DWORD) { AdvanceStarField(&Scene.stars, RuntimeRandom); }

void DrawCachedSphere(double radius) {
    for (SphereListEntry* entry = SphereListCache; entry != nullptr; entry = entry->next) {
        if (entry->radius == radius) {
            glCallList(entry->list);
            return;
        }
    }
    GLUquadric* quadric = gluNewQuadric();
    if (quadric == nullptr) return;
    gluQuadricDrawStyle(quadric, GLU_FILL);
    gluQuadricNormals(quadric, GLU_SMOOTH);
    const GLuint list = glGenLists(1);
    if (list != 0) {
        glNewList(list, GL_COMPILE_AND_EXECUTE);
        gluSphere(quadric, radius, 16, 16);
        glEndList();
        SphereListCache = new SphereListEntry{list, radius, SphereListCache};
    } else {
        gluSphere(quadric, radius, 16, 16);
    }
    gluDeleteQuadric(quadric);
}

// The long horizontal and vertical rays of a star or of the flare.
void DrawFourSpokes(const GLfloat* tip, const GLfloat* centre, double w, double h) {
    glBegin(GL_LINES);
    Spoke(tip, centre, -0.4 * w, 0.0);
    Spoke(tip, centre, 0.4 * w, 0.0);
    Spoke(tip, centre, 0.0, 0.5 * h);
    Spoke(tip, centre, 0.0, -0.5 * h);
    glEnd();
}

void DrawStarSprite(double x, double y, double size, double angle, double brightness) {
    GLfloat centre[4], tip[4];
    BeginSprite(x, y, -200.0, angle, brightness, centre, tip);
    double w = 2.0 * size, h = 2.0 * size;
    if (!Scene.preview) {
        DrawFourSpokes(tip, centre, w, h);
        w *= 0.5;
        h *= 0.5;
        RotatedCross(45.0, tip, centre, 0.5 * w, 0.5 * h);
    }
    glPushMatrix();
    glTranslated(0.0, 0.0, 20.0);
    const GLfloat light[] = {1000.0f, 1000.0f, 1000.0f, 1.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, light);
    const GLfloat ambient[] = {0.5f, 0.5f, 1.0f, 1.0f};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
    glColor4fv(centre);
    DrawCachedSphere(w < 3.0 ? 0.1 * w : 0.3);
    glPopMatrix();
    RotatedCross(22.0, tip, centre, 0.5 * w, 0.5 * h);
    RotatedCross(-22.0, tip, centre, 0.5 * w, 0.5 * h);
    EndSprite();
}

void DrawFlare(GLUquadric* quadric, double x, double y, double size, double angle, double alpha) {
    GLfloat centre[4], tip[4];
    BeginSprite(x, y, -190.0, angle, alpha, centre, tip);
    double w = 2.0 * size, h = 2.0 * size;
    DrawFourSpokes(tip, centre, w, h);
    w /= 3.0;
    h /= 3.0;
    RotatedCross(45.0, tip, centre, 0.5 * w, 0.5 * h);
    if (quadric != nullptr) {
        glPushMatrix();
        glTranslated(0.0, 0.0, 20.0);
        glColor4fv(centre);
        gluSphere(quadric, 0.05 * w, 4, 4);
        glEnable(GL_TEXTURE_2D);
        gluSphere(quadric, 0.2 * w, 16, 16);
        gluSphere(quadric, 0.65 * w, 32, 32);
        gluSphere(quadric, 0.75 * w, 32, 32);
        gluSphere(quadric, w, 32, 32);
        glDisable(GL_TEXTURE_2D);
        glPopMatrix();
    }
    EndSprite();
}
