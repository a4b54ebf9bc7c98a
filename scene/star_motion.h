// The star field's numbers: where the stars are, how they twinkle, and the flare's
// flash cycle. Random numbers come from the caller (the runtime library's rand in the
// screensaver), so the arithmetic can be checked with a fixed sequence.
#ifndef SELENARIUM_SCENE_STAR_MOTION_H
#define SELENARIUM_SCENE_STAR_MOTION_H

const int StarCount = 100;
const int FlareCount = 1;

struct StarEntry {
    double x, y;            // scene frame, 0..125 x 0..100
    double size;            // sprite size, 0.2 .. 0.9992
    double baseBrightness;  // lowest brightness of the twinkle
    double phase;           // twinkle phase offset
    double brightness;      // current brightness: the sprite's alpha
    double angle;           // rotation about the view axis: -90, -45, 0 or 45 degrees
};

struct StarField {
    StarEntry stars[StarCount + FlareCount];  // the flares follow the stars
    double twinkleTime;
    double flareSize;
    double flareAlpha;
    bool flarePlaced;
};

typedef int (*RandomSource)();

// Places the stars at random, puts the flare at (20, 30) and starts the clock at -0.2.
void FillStarField(StarField* field, RandomSource random);

// One 32 ms animation step: twinkle every star and run the flare's 8-unit cycle.
void AdvanceStarField(StarField* field, RandomSource random);

// Brightness of a star at a moment: swings between its base brightness and 1.
double TwinkleBrightness(double baseBrightness, double phase, double twinkleTime);

#endif
