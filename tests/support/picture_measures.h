#pragma once
// Measures of how a picture was made for a denser screen, worked out from its pixels.
#include <QImage>

#include <algorithm>
#include <iterator>

namespace trelvist::test {

inline int greyAt(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)); }

// Of the pixels that lie on an edge of a picture at scale 1 (a shade clearly between the
// darkest and the lightest of their four neighbours, where an outline crosses the pixel), the
// share whose 2 x 2 block in the same picture at scale 2 is four equal pixels: 1 for a picture
// doubled pixel by pixel; a picture drawn for the density has the edge run through the block.
inline double doubledEdgeShare(const QImage& single, const QImage& twice) {
    constexpr int kStep = 24;
    int edges = 0, doubled = 0;
    for (int y = 1; y + 1 < single.height(); ++y)
        for (int x = 1; x + 1 < single.width(); ++x) {
            const int here = greyAt(single, x, y);
            const int around[] = {greyAt(single, x - 1, y), greyAt(single, x + 1, y), greyAt(single, x, y - 1),
                                  greyAt(single, x, y + 1)};
            if (here < *std::min_element(std::begin(around), std::end(around)) + kStep ||
                here > *std::max_element(std::begin(around), std::end(around)) - kStep)
                continue;
            ++edges;
            const QRgb corner = twice.pixel(2 * x, 2 * y);
            doubled += twice.pixel(2 * x + 1, 2 * y) == corner && twice.pixel(2 * x, 2 * y + 1) == corner &&
                       twice.pixel(2 * x + 1, 2 * y + 1) == corner;
        }
    return edges ? double(doubled) / edges : 1.0;
}

// The mean squared step in grey between neighbouring pixels: an edge drawn across one pixel
// steps more steeply than the same edge smoothed across two.
inline double steepness(const QImage& image) {
    double total = 0;
    for (int y = 0; y + 1 < image.height(); ++y)
        for (int x = 0; x + 1 < image.width(); ++x) {
            const int here = greyAt(image, x, y);
            const int right = greyAt(image, x + 1, y) - here;
            const int below = greyAt(image, x, y + 1) - here;
            total += right * right + below * below;
        }
    return total / ((image.width() - 1) * (image.height() - 1));
}

}  // namespace trelvist::test
