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
    // Inline: a texture draws one number per pixel.
    uint64_t next() {
        uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }  // [0, 1)
    double uniform(double low, double high) { return low + (high - low) * uniform(); }  // [low, high)
    int below(int n) { return static_cast<int>(uniform() * n); }  // 0 .. n - 1

private:
    uint64_t state_;
};

// Smooth noise in [0, 1] over a width x height field that repeats with the field: the right
// edge continues into the left and the bottom into the top. Octaves halve the lattice cell
// each time, starting from `cell` pixels, which must divide width and height.
// The field is sampled once per pixel, or on a grid of columns x rows samples spread over the
// same field, so a picture drawn for a denser screen keeps its mottle at its own resolution.
class TiledNoise {
public:
    TiledNoise(int width, int height, int cell, int octaves, uint64_t seed)
        : TiledNoise(width, height, cell, octaves, seed, width, height) {}
    TiledNoise(int width, int height, int cell, int octaves, uint64_t seed, int columns, int rows);

    // Fills `out` with the columns() samples of one row.
    void sampleRow(int row, double* out) const;
    int columns() const { return columns_; }
    int rows() const { return rows_; }

private:
    // One octave: its lattice rows interpolated across the columns once, so that a sample only
    // blends the two rows around it.
    struct Octave {
        int latticeRows;
        double cellY;  // field pixels per lattice row
        double weight;
        std::vector<double> across;  // latticeRows x columns
    };
    static Octave makeOctave(int width, int height, int columns, int cell, double weight, Random& random);

    int columns_;
    int rows_;
    double stepY_;  // field pixels per row of samples
    double total_ = 0.0;  // the octaves' weights added up
    std::vector<Octave> octaves_;
};

}  // namespace trelvist::assets::generator
