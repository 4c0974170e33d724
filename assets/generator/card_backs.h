#pragma once
// The eight card backs, each a framed design on a coloured field.
#include <QImage>

namespace trelvist::assets::generator {

constexpr int kBackCount = 8;

// Back 1..8.
QImage cardBack(int number);

}  // namespace trelvist::assets::generator
