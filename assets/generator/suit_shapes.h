#pragma once
// The four suit symbols as outlines, so pips stay crisp at any size.
#include <QColor>
#include <QPainterPath>
#include <QPointF>

class QPainter;

namespace trelvist::assets::generator {

enum Suit : int { Clubs = 0, Diamonds = 1, Hearts = 2, Spades = 3 };

// The suit's outline in a box of height 1 centred on the origin (width below 1).
QPainterPath suitPath(int suit);

// The spade with its curves kept: body and stem as two overlapping outlines that fill as one.
// (Joining them as suitPath does turns the curves into a few straight lines, which shows on
// large pictures such as the desktop icons.)
QPainterPath curvedSpade();

QColor suitColour(int suit);  // red for diamonds and hearts, black for clubs and spades

// Fills a pip of the given height centred on `centre`; `upsideDown` turns it by 180 degrees,
// as the pips in the lower half of a card are.
void drawPip(QPainter& painter, int suit, QPointF centre, double height, bool upsideDown = false,
             const QColor& colour = QColor());

}  // namespace trelvist::assets::generator
