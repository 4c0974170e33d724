#include "textures.h"

#include "noise.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace trelvist::assets::generator {
namespace {

int clampByte(double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); }

QRgb shaded(const QColor& base, double factor, double grain) {
    return qRgb(clampByte(base.red() * factor + grain), clampByte(base.green() * factor + grain),
                clampByte(base.blue() * factor + grain));
}

// Short curved fibres, as brightness offsets; each wraps around the edges so the tile still
// repeats without a seam.
std::vector<double> fibres(int size, int count, Random& random) {
    std::vector<double> light(static_cast<size_t>(size) * size, 0.0);
    for (int f = 0; f < count; ++f) {
        double x = random.uniform(0, size);
        double y = random.uniform(0, size);
        double angle = random.uniform(0, 2 * M_PI);
        const double bend = random.uniform(-0.15, 0.15);
        const double strength = random.uniform(-1, 1) * 7;
        const int length = 4 + random.below(9);
        for (int s = 0; s < length; ++s) {
            const int px = (static_cast<int>(std::floor(x)) % size + size) % size;
            const int py = (static_cast<int>(std::floor(y)) % size + size) % size;
            light[static_cast<size_t>(py) * size + px] += strength;
            x += std::cos(angle);
            y += std::sin(angle);
            angle += bend;
        }
    }
    return light;
}

}  // namespace

QImage feltTile() {
    constexpr int kSize = 256;
    const QColor base(30, 112, 54);
    const TiledNoise mottle(kSize, kSize, 64, 4, 0xfe17);
    Random random(0xc10f);
    const std::vector<double> fibre = fibres(kSize, 2600, random);
    QImage tile(kSize, kSize, QImage::Format_RGB32);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const double factor = 0.89 + 0.22 * mottle.at(x, y);
            const double grain = random.uniform(-4, 4) + fibre[static_cast<size_t>(y) * kSize + x];
            tile.setPixel(x, y, shaded(base, factor, grain));
        }
    return tile;
}

QImage blueTexture(int width, int height, unsigned seed) {
    const QColor base(30, 56, 168);
    const TiledNoise mottle(width, height, 48, 5, seed);
    Random random(seed * 7919u + 1);
    QImage field(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double factor = 0.7 + 0.6 * mottle.at(x, y);
            field.setPixel(x, y, shaded(base, factor, random.uniform(-6, 6)));
        }
    return field;
}

}  // namespace trelvist::assets::generator
