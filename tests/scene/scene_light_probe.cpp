// Prints the light vector the scene would use now (the clock and TZ of this process)
// for an observer: scene_light_probe LATITUDE LONGITUDE  ->  "x y z" scaled to unit length.
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "ephemeris/moon_state.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: scene_light_probe LATITUDE LONGITUDE\n");
        return 2;
    }
    ObserverPlace.latitude = std::atof(argv[1]);
    ObserverPlace.longitude = std::atof(argv[2]);
    UpdateMoonState();
    double x = 0, y = 0, z = 0;
    SunLightVector(x, y, z);
    const double length = std::sqrt(x * x + y * y + z * z);
    if (!(length > 0)) return 1;
    std::printf("%.6f %.6f %.6f\n", x / length, y / length, z / length);
    return 0;
}
