#pragma once
// The Jack, Queen and King: a stylised half figure in a frame, mirrored head to foot.
class QPainter;

namespace trelvist::assets::generator {

// Draws the court picture of `suit` on a blank card; `court` is 0 Jack, 1 Queen, 2 King.
void drawCourt(QPainter& painter, int suit, int court);

}  // namespace trelvist::assets::generator
