#include "picture_transform.h"

#include <cmath>
#include <cstring>

namespace {

// Undone by one inverse step: each 2 x 2 block becomes an average and three
// half-differences, gathered into the region's four quarters.
void ForwardStep(std::vector<double>* image, int stride, int w, int h) {
    std::vector<double> q(static_cast<size_t>(w) * h);
    for (int r = 0; r < h; ++r) {
        std::memcpy(&q[static_cast<size_t>(r) * w], &(*image)[static_cast<size_t>(r) * stride],
                    sizeof(double) * w);
    }
    const int hw = w / 2, hh = h / 2;
    for (int k = 0; k < hh; ++k) {
        for (int j = 0; j < hw; ++j) {
            const double q00 = q[(2 * k) * w + 2 * j], q10 = q[(2 * k + 1) * w + 2 * j];
            const double q01 = q[(2 * k) * w + 2 * j + 1], q11 = q[(2 * k + 1) * w + 2 * j + 1];
            double* p = image->data();
            p[k * stride + j] = (q00 + q10 + q01 + q11) / 4;
            p[(hh + k) * stride + j] = (q00 + q10 - q01 - q11) / 4 + 128;
            p[k * stride + hw + j] = (q00 - q10 + q01 - q11) / 4 + 128;
            p[(hh + k) * stride + hw + j] = (q00 - q10 - q01 + q11) / 4 + 128;
        }
    }
}

}  // namespace

std::vector<double> ForwardTransform(const std::vector<double>& picture, int width, int height) {
    std::vector<double> image = picture;
    for (int i = 0; i < 4; ++i) ForwardStep(&image, width, width, height);
    ForwardStep(&image, width, width / 16, height / 16);
    ForwardStep(&image, width, width / 32, height / 32);
    return image;
}

std::vector<double> StoredValueWeights(int width, int height) {
    std::vector<double> weight(static_cast<size_t>(width) * height, 256.0);
    for (int r = 0; r < height / 16; ++r) {
        for (int c = 0; c < width / 16; ++c) {
            const bool coarsest = r < height / 32 && c < width / 32;
            weight[static_cast<size_t>(r) * width + c] = coarsest ? 4096.0 : 1024.0;
        }
    }
    return weight;
}

std::vector<uint8_t> UntileStoredValues(const std::vector<uint8_t>& tiled, int width, int height) {
    std::vector<uint8_t> raster(tiled.size());
    const int tw = width / 16, th = height / 16;
    size_t k = 0;
    for (int tr = 0; tr < 16; ++tr)
        for (int tc = 0; tc < 16; ++tc)
            for (int r = 0; r < th; ++r)
                for (int c = 0; c < tw; ++c) raster[static_cast<size_t>(tr * th + r) * width + tc * tw + c] = tiled[k++];
    return raster;
}

std::vector<uint8_t> RoundStoredValues(const std::vector<double>& exact) {
    std::vector<uint8_t> out(exact.size());
    for (size_t i = 0; i < exact.size(); ++i) {
        double v = std::floor(exact[i] + 0.5);
        out[i] = static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
    }
    return out;
}
