#include "scene/star_motion.h"

#include <cmath>

namespace {

// The animation uses pi rounded to single precision.
const double HalfPiSingle = static_cast<double>(static_cast<float>(3.14159265358979323846 / 2));
const double PiSingle = static_cast<double>(static_cast<float>(3.14159265358979323846));

double Draw(RandomSource random) { return random() % 1000; }

void PlaceFlares(StarField* field, RandomSource random) {
    for (int i = StarCount; i < StarCount + FlareCount; ++i) {
        field->stars[i].x = Draw(random) * 125.0 * 0.001;
        field->stars[i].y = Draw(random) * 100.0 * 0.001;
    }
}

}  // namespace

double TwinkleBrightness(double baseBrightness, double phase, double twinkleTime) {
    const double swing = (1.0 - baseBrightness) * 0.5;
    return swing * std::cos((twinkleTime * 10.0 + phase) * HalfPiSingle) + baseBrightness + swing;
}

void FillStarField(StarField* field, RandomSource random) {
    for (int j = 0; j < StarCount; ++j) {
        StarEntry& star = field->stars[j];
        star.x = Draw(random) * 125.0 * 0.001;
        star.y = Draw(random) * 100.0 * 0.001;
        star.size = Draw(random) * 0.0008 + 0.2;
        star.baseBrightness = Draw(random) * 0.0004;
        star.phase = Draw(random) * 0.01;
        star.brightness = 1.0;
        star.angle = (random() % 4) * 45.0 - 90.0;
    }
    for (int i = StarCount; i < StarCount + FlareCount; ++i) {
        field->stars[i] = StarEntry{20.0, 30.0, 0.0, 0.0, 0.0, 1.0, 0.0};
    }
    field->twinkleTime = -0.2;
    field->flareSize = 0.0;
    field->flareAlpha = 0.0;
    field->flarePlaced = true;
}

void AdvanceStarField(StarField* field, RandomSource random) {
    field->twinkleTime += 0.015;
    for (int i = 0; i < StarCount; ++i) {
        StarEntry& star = field->stars[i];
        star.brightness = TwinkleBrightness(star.baseBrightness, star.phase, field->twinkleTime);
    }
    const double cycle = std::fmod(field->twinkleTime, 8.0);
    if (cycle >= 0.0 && cycle <= 2.0) {
        field->flarePlaced = false;
        field->flareSize = 6.0 - 6.0 * std::cos(cycle * PiSingle);
        field->flareAlpha = 0.5 - 0.5 * std::cos(cycle * PiSingle);
    } else if (!field->flarePlaced) {
        field->flarePlaced = true;
        PlaceFlares(field, random);
    }
}
