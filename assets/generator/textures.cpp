#include "textures.h"

#include "noise.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace trelvist::assets::generator {
namespace {

// The nearest whole number, halves rounded up, kept within a byte. Every pixel of a texture
// passes here three times, so it is plain arithmetic that runs several pixels at a time.
int clampByte(double v) { return std::clamp(static_cast<int>(v + 0.5), 0, 255); }

struct BaseColour {
    double red, green, blue;
};

QRgb shaded(const BaseColour& base, double factor, double grain) {
    return qRgb(clampByte(base.red * factor + grain), clampByte(base.green * factor + grain),
                clampByte(base.blue * factor + grain));
}

// Short curved fibres, as brightness offsets on a size x size tile of `samples` samples a
// side; each wraps around the edges so the tile still repeats without a seam. A finer grid
// draws the same fibres, one sample wide, in steps of one sample.
std::vector<double> fibres(int size, int samples, int count, Random& random) {
    const double scale = static_cast<double>(samples) / size;
    std::vector<double> light(static_cast<size_t>(samples) * samples, 0.0);
    for (int f = 0; f < count; ++f) {
        double x = random.uniform(0, size) * scale;
        double y = random.uniform(0, size) * scale;
        double angle = random.uniform(0, 2 * M_PI);
        const double bend = random.uniform(-0.15, 0.15) / scale;
        const double strength = random.uniform(-1, 1) * 7;
        const int length = static_cast<int>(std::lround((4 + random.below(9)) * scale));
        for (int s = 0; s < length; ++s) {
            const int px = (static_cast<int>(std::floor(x)) % samples + samples) % samples;
            const int py = (static_cast<int>(std::floor(y)) % samples + samples) % samples;
            light[static_cast<size_t>(py) * samples + px] += strength;
            x += std::cos(angle);
            y += std::sin(angle);
            angle += bend;
        }
    }
    return light;
}

int samplesFor(int pixels, double scale) { return std::max(1, static_cast<int>(std::lround(pixels * scale))); }

QRgb* rowOf(QImage& image, int y) { return reinterpret_cast<QRgb*>(image.scanLine(y)); }

}  // namespace

QImage feltTile(double scale) {
    constexpr int kSize = 256;
    const int samples = samplesFor(kSize, scale);
    constexpr BaseColour base{30, 112, 54};
    const TiledNoise mottle(kSize, kSize, 64, 4, 0xfe17, samples, samples);
    Random random(0xc10f);
    const std::vector<double> fibre = fibres(kSize, samples, 2600, random);
    std::vector<double> mottleRow(static_cast<size_t>(samples));
    QImage tile(samples, samples, QImage::Format_RGB32);
    for (int y = 0; y < samples; ++y) {
        mottle.sampleRow(y, mottleRow.data());
        const double* fibreRow = &fibre[static_cast<size_t>(y) * samples];
        QRgb* row = rowOf(tile, y);
        for (int x = 0; x < samples; ++x)
            row[x] = shaded(base, 0.89 + 0.22 * mottleRow[x], random.uniform(-4, 4) + fibreRow[x]);
    }
    return tile;
}

QImage blueTexture(int width, int height, unsigned seed, double scale) {
    const int columns = samplesFor(width, scale);
    const int rows = samplesFor(height, scale);
    constexpr BaseColour base{30, 56, 168};
    const TiledNoise mottle(width, height, 48, 5, seed, columns, rows);
    Random random(seed * 7919u + 1);
    std::vector<double> mottleRow(static_cast<size_t>(columns));
    QImage field(columns, rows, QImage::Format_RGB32);
    for (int y = 0; y < rows; ++y) {
        mottle.sampleRow(y, mottleRow.data());
        QRgb* row = rowOf(field, y);
        for (int x = 0; x < columns; ++x) row[x] = shaded(base, 0.7 + 0.6 * mottleRow[x], random.uniform(-6, 6));
    }
    return field;
}

}  // namespace trelvist::assets::generator
