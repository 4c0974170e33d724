#pragma once
// The textured fields the pictures are painted on: the table felt and the blue of the windows.
#include <QImage>

namespace trelvist::assets::generator {

// A square of green felt that tiles seamlessly in both directions.
QImage feltTile();

// A mottled blue field of the given size; `seed` varies the pattern between pictures.
QImage blueTexture(int width, int height, unsigned seed);

}  // namespace trelvist::assets::generator
