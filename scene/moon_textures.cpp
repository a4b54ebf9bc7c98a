// The moon picture and the two procedural bands, turned into RGBA textures once.
#include "scene/scene_state.h"

#include <cstdlib>
#include <vector>

#include "scene/bmp_file.h"
#include "scene/moon_alpha.h"

namespace {

const int FallbackWidth = 2048;
const int FallbackHeight = 1024;
const int GlowWidth = 32;
const int GlowHeight = 16;

void Upload(GLuint name, int width, int height, const std::vector<unsigned char>& rgba) {
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
}

// A band texture: one colour, the alpha from the band's rows.
std::vector<unsigned char> BandImage(const std::vector<unsigned char>& alpha, unsigned char red,
                                     unsigned char green, unsigned char blue) {
    std::vector<unsigned char> rgba(alpha.size() * 4);
    for (size_t j = 0; j < alpha.size(); ++j) {
        rgba[4 * j] = red;
        rgba[4 * j + 1] = green;
        rgba[4 * j + 2] = blue;
        rgba[4 * j + 3] = alpha[j];
    }
    return rgba;
}

bool FitsTheContext(int width, int height) {
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    return largest <= 0 || (width <= largest && height <= largest);
}

}  // namespace

void LoadMoonTextures(const char* path) {
    glDisable(GL_TEXTURE_2D);
    BmpInfoHeader info = {};
    Scene.textureLoaded = ReadBmpHeader(path, &info);
    int width = FallbackWidth;
    int height = FallbackHeight;
    if (Scene.textureLoaded && FitsTheContext(info.width, info.height)) {
        width = info.width;
        height = info.height;
    } else {
        Scene.textureLoaded = false;
    }
    glEnable(GL_TEXTURE_2D);

    const size_t texels = static_cast<size_t>(width) * height;
    std::vector<unsigned char> pixels(texels);
    const size_t count = Scene.textureLoaded ? ReadBmpPixels(path, pixels.data(), texels) : 0;

    const int rimWidth = width / 8, rimHeight = height / 8;
    std::vector<unsigned char> rim(static_cast<size_t>(rimWidth) * rimHeight);
    std::vector<unsigned char> glow(GlowWidth * GlowHeight);
    std::vector<unsigned char> limb(texels);
    MakeRimBand(rim.data(), rimWidth, rimHeight);
    MakeGlowBand(glow.data(), GlowWidth, GlowHeight);
    MakeLimbMask(limb.data(), width, height);

    // The full-resolution file holds the face as a negative, the preview file as a positive.
    const bool negative = !Scene.preview;
    std::vector<unsigned char> moon(texels * 4, 0);
    for (size_t j = 0; j < count; ++j) {
        const unsigned char grey = negative ? static_cast<unsigned char>(255 - pixels[j]) : pixels[j];
        moon[4 * j] = grey;
        moon[4 * j + 1] = grey;
        moon[4 * j + 2] = grey;
        moon[4 * j + 3] = limb[j];
    }

    Upload(Scene.textures[MoonTexture], width, height, moon);
    if (!Scene.preview) Upload(Scene.textures[RimTexture], rimWidth, rimHeight, BandImage(rim, 255, 255, 215));
    Upload(Scene.textures[GlowTexture], GlowWidth, GlowHeight, BandImage(glow, 255, 255, 255));
}
