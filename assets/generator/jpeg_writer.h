#pragma once
// JPEG encoding through libjpeg, so the build needs no Qt image plugin.
#include <QByteArray>
#include <QImage>

namespace trelvist::assets::generator {

// Encodes `image` as a baseline JPEG of the given quality (1..100) with full-resolution colour,
// which keeps thin lines and small letters free of colour fringes.
QByteArray encodeJpeg(const QImage& image, int quality);

}  // namespace trelvist::assets::generator
