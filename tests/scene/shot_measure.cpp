// Measures a screenshot of the scene (binary PPM, as ImageMagick's "ppm:-" writes it).
//   shot_measure disc SHOT.ppm
//       lit fraction of the disc, the lit part's centroid (x right, y up, in disc radii),
//       mean and standard deviation of the lit grey, the disc's mean red, and its roughness
//       (mean grey step between neighbouring pixels).
//   shot_measure orient SHOT.ppm MAP.pgm
//       correlation of the disc with the near-side map seen as a globe, and with the map
//       mirrored left-right, upside down and turned half round.
//   shot_measure count SHOT.ppm X0 Y0 X1 Y1 CLASS
//       pixels of a colour class in a rectangle (top-left origin, end exclusive);
//       CLASS: sky, notsky, blue, green, red, white, yellow.
//   shot_measure extent SHOT.ppm X0 Y0 X1 Y1 CLASS
//       the bounding box "left top right bottom" of those pixels.
// The disc is the globe of the scene frame stretched to the screen: centre at the
// screen's middle, radii 38.25/125 of the width and 38.25/100 of the height.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Image {
    int width = 0, height = 0, channels = 0;
    std::vector<unsigned char> bytes;
    const unsigned char* at(int x, int y) const { return &bytes[(static_cast<size_t>(y) * width + x) * channels]; }
};

bool ReadToken(FILE* f, std::string& token) {
    token.clear();
    int c = std::fgetc(f);
    while (c != EOF) {
        if (c == '#') {
            while (c != EOF && c != '\n') c = std::fgetc(f);
        } else if (!std::isspace(c)) {
            break;
        }
        c = std::fgetc(f);
    }
    while (c != EOF && !std::isspace(c)) {
        token.push_back(static_cast<char>(c));
        c = std::fgetc(f);
    }
    return !token.empty();
}

bool ReadNetpbm(const char* path, Image& image) {
    FILE* f = std::fopen(path, "rb");
    if (f == nullptr) return false;
    std::string magic, w, h, maxval;
    bool ok = ReadToken(f, magic) && ReadToken(f, w) && ReadToken(f, h) && ReadToken(f, maxval) &&
              (magic == "P6" || magic == "P5") && std::atoi(maxval.c_str()) == 255;
    if (ok) {
        image.channels = magic == "P6" ? 3 : 1;
        image.width = std::atoi(w.c_str());
        image.height = std::atoi(h.c_str());
        image.bytes.resize(static_cast<size_t>(image.width) * image.height * image.channels);
        ok = std::fread(image.bytes.data(), 1, image.bytes.size(), f) == image.bytes.size();
    }
    std::fclose(f);
    return ok;
}

double Grey(const unsigned char* p) { return (p[0] + p[1] + p[2]) / 3.0; }

struct Disc {
    double cx, cy, rx, ry;
};

Disc DiscOf(const Image& image) {
    return Disc{image.width / 2.0, image.height / 2.0, image.width * 38.25 / 125.0, image.height * 38.25 / 100.0};
}

// Visits the pixels within `fraction` of the disc's radius: f(x, y, nx, ny) with nx to
// the right and ny up, in radii.
template <typename F>
void ForDisc(const Image& image, double fraction, F f) {
    const Disc d = DiscOf(image);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const double nx = (x + 0.5 - d.cx) / d.rx, ny = (d.cy - y - 0.5) / d.ry;
            if (nx * nx + ny * ny < fraction * fraction) f(x, y, nx, ny);
        }
    }
}

int Disc(const Image& shot) {
    const double litGrey = 40.0;
    double n = 0, lit = 0, sx = 0, sy = 0, sum = 0, sum2 = 0, red = 0;
    double rough = 0, roughN = 0;
    ForDisc(shot, 0.95, [&](int x, int y, double nx, double ny) {
        const double g = Grey(shot.at(x, y));
        n += 1;
        red += shot.at(x, y)[0];
        if (nx * nx + ny * ny < 0.85 * 0.85) {
            rough += std::fabs(g - Grey(shot.at(x + 1, y)));
            roughN += 1;
        }
        if (g > litGrey) {
            lit += 1;
            sx += nx;
            sy += ny;
            sum += g;
            sum2 += g * g;
        }
    });
    const double mean = lit > 0 ? sum / lit : 0;
    const double sd = lit > 0 ? std::sqrt(std::fmax(0.0, sum2 / lit - mean * mean)) : 0;
    std::printf("lit %.4f centroid %.4f %.4f grey %.1f sd %.1f red %.1f rough %.2f\n", lit / n,
                lit > 0 ? sx / lit : 0, lit > 0 ? sy / lit : 0, mean, sd, red / n, rough / roughN);
    return 0;
}

int Orient(const Image& shot, const Image& map) {
    const double pi = 3.14159265358979323846;
    double result[4];
    for (int variant = 0; variant < 4; ++variant) {
        const double sxSign = (variant & 1) ? -1.0 : 1.0, sySign = (variant & 2) ? -1.0 : 1.0;
        double n = 0, a = 0, b = 0, aa = 0, bb = 0, ab = 0;
        ForDisc(shot, 0.85, [&](int x, int y, double nx, double ny) {
            const double px = sxSign * nx, py = sySign * ny;
            const double pz = std::sqrt(std::fmax(0.0, 1.0 - px * px - py * py));
            const double longitude = std::atan2(px, pz), latitude = std::asin(py);
            int column = static_cast<int>((longitude / pi + 0.5) * map.width);
            int row = static_cast<int>((0.5 - latitude / pi) * map.height);
            column = column < 0 ? 0 : column >= map.width ? map.width - 1 : column;
            row = row < 0 ? 0 : row >= map.height ? map.height - 1 : row;
            const double s = Grey(shot.at(x, y)), m = map.at(column, row)[0];
            n += 1;
            a += s;
            b += m;
            aa += s * s;
            bb += m * m;
            ab += s * m;
        });
        const double cov = ab / n - (a / n) * (b / n);
        const double va = aa / n - (a / n) * (a / n), vb = bb / n - (b / n) * (b / n);
        result[variant] = va > 0 && vb > 0 ? cov / std::sqrt(va * vb) : 0;
    }
    std::printf("upright %.3f mirrored %.3f upside-down %.3f turned %.3f\n", result[0], result[1], result[2],
                result[3]);
    return 0;
}

bool InClass(const unsigned char* p, const char* name) {
    const int r = p[0], g = p[1], b = p[2];
    if (!std::strcmp(name, "sky")) return std::abs(r - 5) + std::abs(g - 10) + std::abs(b - 30) < 8;
    if (!std::strcmp(name, "notsky")) return std::abs(r - 5) + std::abs(g - 10) + std::abs(b - 30) > 30;
    if (!std::strcmp(name, "blue")) return r > 70 && b - r > 25 && std::abs(r - g) < 20;
    if (!std::strcmp(name, "green")) return r > 70 && g - r > 20 && g - b > 15;
    if (!std::strcmp(name, "red")) return r > 110 && g < 60 && b < 70;
    if (!std::strcmp(name, "white")) return r > 150 && std::abs(r - g) < 15 && std::abs(b - r) < 25;
    if (!std::strcmp(name, "yellow")) return r > 100 && std::abs(r - g) < 20 && r - b > 40;
    std::fprintf(stderr, "unknown class %s\n", name);
    std::exit(2);
}

int Count(const Image& shot, int x0, int y0, int x1, int y1, const char* name, bool extent) {
    long count = 0;
    int left = shot.width, top = shot.height, right = -1, bottom = -1;
    for (int y = std::max(0, y0); y < std::min(shot.height, y1); ++y) {
        for (int x = std::max(0, x0); x < std::min(shot.width, x1); ++x) {
            if (!InClass(shot.at(x, y), name)) continue;
            ++count;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (extent) {
        std::printf("%d %d %d %d\n", left, top, right, bottom);
    } else {
        std::printf("%ld\n", count);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Image shot;
    if (argc < 3 || !ReadNetpbm(argv[2], shot) || shot.channels != 3) {
        std::fprintf(stderr, "usage: shot_measure disc|orient|count|extent SHOT.ppm ...\n");
        return 2;
    }
    const std::string command = argv[1];
    if (command == "disc") return Disc(shot);
    if (command == "orient" && argc == 4) {
        Image map;
        if (!ReadNetpbm(argv[3], map) || map.channels != 1) return 2;
        return Orient(shot, map);
    }
    if ((command == "count" || command == "extent") && argc == 8) {
        return Count(shot, std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]), argv[7],
                     command == "extent");
    }
    std::fprintf(stderr, "bad arguments\n");
    return 2;
}
