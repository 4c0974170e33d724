#pragma once
// The white card every face and back is drawn on.
#include <QImage>

namespace trelvist::assets::generator {

// A 71 x 96 white card with a one-pixel dark edge bevelled at the corners. The table cuts the
// four corner pixels away; a card lying over another keeps them, so they are a soft grey that
// reads as a rounded corner either way. At any other scale the edge is a fine line rounded at
// the corners, which lie inside the corner pixels the table cuts.
QImage blankCard(double scale = 1.0);

}  // namespace trelvist::assets::generator
