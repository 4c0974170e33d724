#pragma once
// The textured fields the pictures are painted on: the table felt and the blue of the windows.
// Each is drawn at one sample per pixel, or for a denser screen at `scale` samples per pixel,
// where the grain stays one device pixel fine instead of growing into blocks.
#include <QImage>

namespace trelvist::assets::generator {

// A square of green felt, 256 pixels a side at scale 1, that tiles seamlessly in both
// directions.
QImage feltTile(double scale = 1.0);

// A mottled blue field of the given size in pixels; `seed` varies the pattern between pictures.
QImage blueTexture(int width, int height, unsigned seed, double scale = 1.0);

}  // namespace trelvist::assets::generator
