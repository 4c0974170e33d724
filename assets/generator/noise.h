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
