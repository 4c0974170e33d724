#pragma once
// The program's icon: a white spade on a blue textured field.
#include <QImage>

namespace trelvist::assets::generator {

// A square icon of `size` pixels in 24-bit colour (no transparency).
QImage appIcon(int size);

}  // namespace trelvist::assets::generator
