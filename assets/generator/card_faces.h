#pragma once
// The 52 card faces: corner indexes, pip layouts, aces and court cards.
#include <QImage>

namespace trelvist::assets::generator {

// The face of the card with suit 0..3 (clubs, diamonds, hearts, spades) and rank 0..12 (Two..Ace),
// drawn with `scale` device pixels per pixel of the 71 x 96 card.
QImage cardFace(int suit, int rank, double scale = 1.0);

}  // namespace trelvist::assets::generator
