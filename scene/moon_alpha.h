// Alpha channels of the moon textures: the soft limb of the globe's picture, the rim's
// pale band and the flare's glow band. One byte per texel, row 0 first.
#ifndef SELENARIUM_SCENE_MOON_ALPHA_H
#define SELENARIUM_SCENE_MOON_ALPHA_H

// Two lobes side by side (one per half of the picture), opaque around each lobe's
// centre and fading to transparent towards the disc's edge.
void MakeLimbMask(unsigned char* alpha, int width, int height);

// A narrow band about the middle row whose alpha grows away from the centre row.
void MakeRimBand(unsigned char* alpha, int width, int rows);

// A faint V-shaped profile: 16 at the first row, 0 at the middle row.
void MakeGlowBand(unsigned char* alpha, int width, int rows);

#endif
