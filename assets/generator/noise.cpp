#include "noise.h"

#include <algorithm>
#include <cmath>

namespace trelvist::assets::generator {

uint64_t Random::next() {
    uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

double Random::uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

double Random::uniform(double low, double high) { return low + (high - low) * uniform(); }

int Random::below(int n) { return static_cast<int>(uniform() * n); }

namespace {

double smooth(double t) { return t * t * (3.0 - 2.0 * t); }

// One octave of value noise whose lattice wraps around, so the result tiles.
void addOctave(std::vector<double>& out, int width, int height, int cell, double weight, Random& random) {
    const int columns = std::max(1, width / cell);
    const int rows = std::max(1, height / cell);
    std::vector<double> lattice(static_cast<size_t>(columns) * rows);
    for (double& v : lattice) v = random.uniform();
    auto node = [&](int i, int j) { return lattice[static_cast<size_t>(j % rows) * columns + i % columns]; };
    const double cellX = static_cast<double>(width) / columns;
    const double cellY = static_cast<double>(height) / rows;
    for (int y = 0; y < height; ++y) {
        const double fy = y / cellY;
        const int j = static_cast<int>(fy);
        const double ty = smooth(fy - j);
        for (int x = 0; x < width; ++x) {
            const double fx = x / cellX;
            const int i = static_cast<int>(fx);
            const double tx = smooth(fx - i);
            const double top = node(i, j) + (node(i + 1, j) - node(i, j)) * tx;
            const double bottom = node(i, j + 1) + (node(i + 1, j + 1) - node(i, j + 1)) * tx;
            out[static_cast<size_t>(y) * width + x] += weight * (top + (bottom - top) * ty);
        }
    }
}

}  // namespace

TiledNoise::TiledNoise(int width, int height, int cell, int octaves, uint64_t seed)
    : width_(width), height_(height), values_(static_cast<size_t>(width) * height, 0.0) {
    Random random(seed);
    double weight = 1.0;
    double total = 0.0;
    for (int o = 0; o < octaves && cell >= 1; ++o, cell /= 2, weight *= 0.5) {
        addOctave(values_, width, height, cell, weight, random);
        total += weight;
    }
    for (double& v : values_) v /= total;
}

}  // namespace trelvist::assets::generator
