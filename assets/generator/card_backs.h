#pragma once
// The eight card backs, each a framed design on a coloured field.
#include <QImage>

namespace trelvist::assets::generator {

constexpr int kBackCount = 8;

// Back 1..8, drawn with `scale` device pixels per pixel of the 71 x 96 card.
QImage cardBack(int number, double scale = 1.0);

}  // namespace trelvist::assets::generator
