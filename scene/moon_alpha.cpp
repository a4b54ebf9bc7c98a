#include "scene/moon_alpha.h"

#include <cmath>
#include <cstring>

void MakeLimbMask(unsigned char* alpha, int width, int height) {
    const double radius = width / 4.0;
    const int lobeWidth = width / 2;
    const double middleRow = height / 2.0;
    for (int row = 0; row < height; ++row) {
        const double dy = row - middleRow;
        const double bSquared = radius * radius - dy * dy;
        for (int column = 0; column < width; ++column) {
            const double dx = (lobeWidth > 0 ? column % lobeWidth : 0) - radius;
            const double aSquared = radius * radius - dx * dx;
            unsigned char value = 0;
            if (aSquared >= 0.0 && bSquared >= 0.0 && radius > 0.0) {
                const double t = (std::sqrt(aSquared) + std::sqrt(bSquared)) / (2.0 * radius);
                if (t > 0.8) {
                    value = 255;
                } else {
                    double v = 2.5 * t - 1.0;
                    if (v < 0.0) v = 0.0;
                    value = static_cast<unsigned char>(v * 255.0);
                }
            }
            alpha[static_cast<long>(row) * width + column] = value;
        }
    }
}

void MakeRimBand(unsigned char* alpha, int width, int rows) {
    const double half = rows / 2.0;
    for (int row = 0; row < rows; ++row) {
        const double x = half > 0.0 ? std::fabs(row - half) / half : 1.0;
        const unsigned char value = x <= 0.16 ? static_cast<unsigned char>(255.0 * x) : 0;
        std::memset(alpha + static_cast<long>(row) * width, value, width);
    }
}

void MakeGlowBand(unsigned char* alpha, int width, int rows) {
    const double half = rows / 2.0;
    for (int row = 0; row < rows; ++row) {
        const double x = half > 0.0 ? std::fabs(row - half) / half : 0.0;
        std::memset(alpha + static_cast<long>(row) * width, static_cast<unsigned char>(16.0 * x), width);
    }
}
