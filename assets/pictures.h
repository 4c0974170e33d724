#pragma once
// The pictures built into the program: the card list, the window pictures and the icon.
// The three window pictures are JPEG resources decoded through our libjpeg loader.
#include <QIcon>
#include <QImage>

namespace trelvist::assets {

constexpr int kCardWidth = 71;
constexpr int kCardHeight = 96;
constexpr int kCardPictures = 60;  // faces 0..51 (suit * 13 + rank), backs 52..59

QImage cardPicture(int index);  // 71 x 96
QImage panelPicture();          // 522 x 427, the options panel
QImage oddsPicture();           // 260 x 201, the odds window
QImage rulesPicture();          // 347 x 522, the rules window
QIcon appIcon();                // 32 x 32 and the larger desktop sizes

// The same pictures for a screen with `scale` device pixels per pixel: at scale 1 exactly the
// pictures above, at any other drawn afresh by the generator's own drawing code at that
// density, so edges and letters stay sharp instead of growing into blocks.
QImage cardPicture(int index, double scale);
QImage panelPicture(double scale);
QImage oddsPicture(double scale);
QImage rulesPicture(double scale);
// The felt tile the program ships as its table bitmap, drawn for `scale`.
QImage feltTile(double scale);

}  // namespace trelvist::assets
