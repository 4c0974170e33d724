#pragma once
// Deterministic randomness for the generator, so every build draws the same pictures and sounds.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace trelvist::assets::generator {

// A small, fully specified generator (splitmix64): the standard library's distributions
// differ between implementations, this does not.
class Random {
public:
    explicit Random(uint64_t seed) : state_(seed) {}
    uint64_t next();
    double uniform();                          // [0, 1)
    double uniform(double low, double high);   // [low, high)
    int below(int n);                          // 0 .. n - 1

private:
    uint64_t state_;
};

// Smooth noise in [0, 1] on a width x height grid that repeats with the grid: the right
// edge continues into the left and the bottom into the top. Octaves halve the lattice cell
// each time, starting from `cell` pixels, which must divide width and height.
class TiledNoise {
public:
    TiledNoise(int width, int height, int cell, int octaves, uint64_t seed);
    double at(int x, int y) const { return values_[static_cast<size_t>(y) * width_ + x]; }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    int width_;
    int height_;
    std::vector<double> values_;
};

}  // namespace trelvist::assets::generator
