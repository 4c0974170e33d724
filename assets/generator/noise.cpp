#include "noise.h"

#include <algorithm>
#include <cmath>

namespace trelvist::assets::generator {

namespace {

double smooth(double t) { return t * t * (3.0 - 2.0 * t); }

}  // namespace

TiledNoise::Octave TiledNoise::makeOctave(int width, int height, int columns, int cell, double weight,
                                          Random& random) {
    const int latticeColumns = std::max(1, width / cell);
    const int latticeRows = std::max(1, height / cell);
    std::vector<double> lattice(static_cast<size_t>(latticeColumns) * latticeRows);
    for (double& v : lattice) v = random.uniform();
    auto node = [&](int i, int j) {
        return lattice[static_cast<size_t>(j % latticeRows) * latticeColumns + i % latticeColumns];
    };
    const double cellX = static_cast<double>(width) / latticeColumns;
    const double stepX = static_cast<double>(width) / columns;
    Octave octave{latticeRows, static_cast<double>(height) / latticeRows, weight,
                  std::vector<double>(static_cast<size_t>(latticeRows) * columns)};
    for (int x = 0; x < columns; ++x) {
        const double fx = x * stepX / cellX;
        const int i = static_cast<int>(fx);
        const double tx = smooth(fx - i);
        for (int j = 0; j < latticeRows; ++j)
            octave.across[static_cast<size_t>(j) * columns + x] = node(i, j) + (node(i + 1, j) - node(i, j)) * tx;
    }
    return octave;
}

TiledNoise::TiledNoise(int width, int height, int cell, int octaves, uint64_t seed, int columns, int rows)
    : columns_(columns), rows_(rows), stepY_(static_cast<double>(height) / rows) {
    Random random(seed);
    double weight = 1.0;
    for (int o = 0; o < octaves && cell >= 1; ++o, cell /= 2, weight *= 0.5) {
        octaves_.push_back(makeOctave(width, height, columns, cell, weight, random));
        total_ += weight;
    }
}

void TiledNoise::sampleRow(int row, double* out) const {
    std::fill(out, out + columns_, 0.0);
    for (const Octave& octave : octaves_) {
        const double fy = row * stepY_ / octave.cellY;
        const int j = static_cast<int>(fy);
        const double ty = smooth(fy - j);
        const double* top = &octave.across[static_cast<size_t>(j % octave.latticeRows) * columns_];
        const double* bottom = &octave.across[static_cast<size_t>((j + 1) % octave.latticeRows) * columns_];
        for (int x = 0; x < columns_; ++x) out[x] += octave.weight * (top[x] + (bottom[x] - top[x]) * ty);
    }
    for (int x = 0; x < columns_; ++x) out[x] /= total_;
}

}  // namespace trelvist::assets::generator
