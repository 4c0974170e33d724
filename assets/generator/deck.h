#pragma once
// The whole picture list: 52 faces then the 8 backs, as one strip and as a contact sheet.
#include <QImage>
#include <QList>

namespace trelvist::assets::generator {

QList<QImage> deckPictures();  // 60 pictures in list order: suit * 13 + rank, then backs 1..8

// One picture of the list, drawn with `scale` device pixels per pixel of the card.
QImage deckPicture(int index, double scale = 1.0);

// All pictures side by side in one row, the form the program embeds.
QImage pictureStrip(const QList<QImage>& pictures);

// All pictures at their real size on felt, one suit per row and the backs in the last row,
// for a person to review the deck at a glance.
QImage contactSheet(const QList<QImage>& pictures, const QImage& felt);

}  // namespace trelvist::assets::generator
