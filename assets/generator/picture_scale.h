#pragma once
// Pictures drawn for a denser screen: the same drawing on a picture with `scale` device pixels
// per pixel, so edges and letters are as fine as the screen, not pixels grown into blocks.
#include <QImage>
#include <QPainter>
#include <QSize>

#include <algorithm>
#include <cmath>

namespace trelvist::assets::generator {

// The size in device pixels of a picture that is `size` pixels large at scale 1.
inline QSize scaledSize(QSize size, double scale) {
    return QSize(std::max(1, static_cast<int>(std::lround(size.width() * scale))),
                 std::max(1, static_cast<int>(std::lround(size.height() * scale))));
}

// Lets the painter of `picture` draw in the pixels of the picture at scale 1.
inline void drawInPixels(QPainter& painter, const QImage& picture, QSize size) {
    if (picture.size() != size)
        painter.scale(static_cast<double>(picture.width()) / size.width(),
                      static_cast<double>(picture.height()) / size.height());
}

}  // namespace trelvist::assets::generator
