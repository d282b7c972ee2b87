#include "tools/samples/landscape.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct Colour {
    double r, g, b;
};

Colour Mix(Colour a, Colour b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour Scaled(Colour c, double f) { return {c.r * f, c.g * f, c.b * f}; }

// A pseudo-random value in 0..1 for a lattice point.
double Lattice(int x, int y, unsigned seed)
{
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return double((h ^ (h >> 16)) & 0xFFFFFF) / double(0xFFFFFF);
}

double Smooth(double t) { return t * t * (3 - 2 * t); }

double ValueNoise(double x, double y, unsigned seed)
{
    int ix = int(std::floor(x)), iy = int(std::floor(y));
    double fx = Smooth(x - ix), fy = Smooth(y - iy);
    double top = Lattice(ix, iy, seed) + (Lattice(ix + 1, iy, seed) - Lattice(ix, iy, seed)) * fx;
    double bottom = Lattice(ix, iy + 1, seed) + (Lattice(ix + 1, iy + 1, seed) - Lattice(ix, iy + 1, seed)) * fx;
    return top + (bottom - top) * fy;
}

// Fractal noise: octaves of value noise, each twice as fine and half as strong.
double Fractal(double x, double y, unsigned seed, int octaves)
{
    double sum = 0, weight = 0.5, total = 0;
    for (int i = 0; i < octaves; ++i, x *= 2, y *= 2, weight *= 0.5) {
        sum += weight * ValueNoise(x, y, seed + i * 101);
        total += weight;
    }
    return sum / total;
}

struct Palette {
    Colour zenith, horizon, sun, haze, near, far;
};

Palette PaletteFor(Daylight light)
{
    switch (light) {
    case Daylight::Morning:
        return {{70, 110, 170}, {250, 200, 150}, {255, 235, 190}, {225, 190, 170}, {60, 95, 45}, {120, 120, 140}};
    case Daylight::Evening:
        return {{45, 40, 95}, {250, 130, 70}, {255, 200, 120}, {200, 120, 110}, {40, 45, 30}, {110, 70, 90}};
    case Daylight::Noon:
    default:
        return {{40, 100, 200}, {175, 210, 240}, {255, 255, 235}, {190, 210, 230}, {70, 125, 45}, {100, 130, 150}};
    }
}

constexpr int kRanges = 3;

// Everything the painter needs per picture, sizes in units of the height so
// that a panorama shows more of the same landscape, not a stretched one.
struct Painter {
    int width, height;
    Scene scene;
    Palette palette;
    double horizon;                          // fraction of the height
    std::vector<double> ridges[kRanges];     // per column, fraction of the height
};

void PlanRidges(Painter &p)
{
    for (int r = 0; r < kRanges; ++r) {
        p.ridges[r].resize(p.width);
        double base = p.horizon - 0.16 + 0.1 * r, amplitude = 0.22 - 0.05 * r;
        for (int x = 0; x < p.width; ++x) {
            double u = double(x) / p.height * (1.6 + r);
            p.ridges[r][x] = base + amplitude * (0.5 - Fractal(u, r * 7.0, p.scene.seed + r, 5));
        }
    }
}

Colour Sky(const Painter &p, double u, double v)
{
    double t = std::clamp(v / p.horizon, 0.0, 1.0);
    Colour sky = Mix(p.palette.zenith, p.palette.horizon, std::pow(t, 1.6));
    double sunU = p.scene.sunX * p.width / p.height, sunV = p.horizon * 0.55;
    double distance = std::hypot(u - sunU, v - sunV);
    sky = Mix(sky, p.palette.sun, std::exp(-distance * 5.0) * 0.8);
    if (distance < 0.035) return p.palette.sun;
    double cloud = Fractal(u * 2.5, v * 9.0, p.scene.seed + 50, 5);
    double cover = std::clamp((cloud - 0.52) * 4.0, 0.0, 1.0) * (1.0 - t * 0.6);
    Colour lit = Mix({255, 255, 255}, p.palette.sun, 0.3);
    return Mix(sky, Scaled(lit, 0.85 + 0.15 * cloud), cover * 0.85);
}

// A range of hills: darker and greener the nearer, with the light from above
// and a texture of trees and grass.
Colour Hill(const Painter &p, int range, double u, double v, double ridge)
{
    double nearness = double(range) / (kRanges - 1);
    Colour body = Mix(p.palette.far, p.palette.near, nearness);
    double depth = std::clamp((v - ridge) * 4.0, 0.0, 1.0);
    double texture = Fractal(u * 40.0, v * 60.0, p.scene.seed + 90 + range, 4);
    double grain = 0.15 + 0.35 * nearness;  // the haze hides the detail of far hills
    body = Scaled(body, (1.0 - grain + 2 * grain * texture) * (1.1 - 0.35 * depth));
    return Mix(body, p.palette.haze, 0.6 * (1.0 - nearness));
}

Colour Meadow(const Painter &p, double u, double v)
{
    double t = std::clamp((v - p.horizon) / (1.0 - p.horizon), 0.0, 1.0);
    double grass = Fractal(u * 30.0, v * 90.0, p.scene.seed + 200, 4);
    double patches = Fractal(u * 3.0, v * 6.0, p.scene.seed + 300, 3);
    Colour green = Mix(p.palette.near, Colour{150, 150, 60}, patches * 0.6);
    return Scaled(green, 0.7 + 0.6 * grass * (0.6 + 0.4 * t));
}

Colour PixelAt(const Painter &p, int x, int y)
{
    double u = double(x) / p.height, v = double(y) / p.height;
    // The nearest range is the meadow's edge.
    if (v > p.ridges[kRanges - 1][x]) return Meadow(p, u, v);
    for (int r = kRanges - 2; r >= 0; --r) {
        if (v > p.ridges[r][x]) return Hill(p, r, u, v, p.ridges[r][x]);
    }
    return Sky(p, u, v);
}

uint8_t Sample(double value, uint32_t *grain)
{
    *grain = *grain * 1664525u + 1013904223u;  // a little sensor noise
    double noisy = value + double(int(*grain >> 29) - 4) * 0.8;
    return uint8_t(std::clamp(noisy, 0.0, 255.0));
}

}  // namespace

RawPicture PaintLandscape(int width, int height, const Scene &scene)
{
    Painter p{width, height, scene, PaletteFor(scene.light), 0.62, {}};
    PlanRidges(p);
    RawPicture picture = MakePicture(width, height, 3);
    uint32_t grain = scene.seed;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Colour c = PixelAt(p, x, y);
            uint8_t *out = picture.At(x, y);
            out[0] = Sample(c.r, &grain);
            out[1] = Sample(c.g, &grain);
            out[2] = Sample(c.b, &grain);
        }
    }
    return picture;
}
