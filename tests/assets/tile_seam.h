#pragma once
// Whether a picture tiles without a seam, measured rather than looked at.
#include <QImage>

#include <cmath>

namespace trelvist::assets::test {

// Mean brightness of 8 x 8 blocks along one side of a vertical line at column `x`
// (columns x - 8 .. x - 1 on the left, x .. x + 7 on the right, wrapping around the tile).
inline double blockStep(const QImage& tile, int x, int blockTop) {
    double left = 0, right = 0;
    for (int y = blockTop; y < blockTop + 8; ++y)
        for (int i = 0; i < 8; ++i) {
            left += qGray(tile.pixel((x - 1 - i + tile.width()) % tile.width(), y));
            right += qGray(tile.pixel((x + i) % tile.width(), y));
        }
    return std::abs(left - right) / 64;
}

// How much brighter or darker the picture jumps across its right edge into its left edge,
// relative to the typical jump between neighbouring blocks inside it: about 1 for a seamless
// tile, well above for a tile whose edges do not meet.
inline double seamRatio(const QImage& tile) {
    double seam = 0, inside = 0;
    int insideCount = 0;
    const int blocks = tile.height() / 8;
    for (int b = 0; b < blocks; ++b) {
        seam += blockStep(tile, 0, b * 8);
        for (int x = 8; x + 8 <= tile.width(); x += 8, ++insideCount) inside += blockStep(tile, x, b * 8);
    }
    return (seam / blocks) / (inside / insideCount);
}

}  // namespace trelvist::assets::test
