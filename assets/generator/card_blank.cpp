#include "card_blank.h"

#include "assets/pictures.h"

#include <utility>

namespace trelvist::assets::generator {

QImage blankCard() {
    constexpr int w = kCardWidth;
    constexpr int h = kCardHeight;
    const QRgb edge = qRgb(52, 52, 56);
    const QRgb corner = qRgb(168, 168, 172);
    QImage card(w, h, QImage::Format_RGB32);
    card.fill(Qt::white);
    for (int x = 1; x < w - 1; ++x) {
        card.setPixel(x, 0, edge);
        card.setPixel(x, h - 1, edge);
    }
    for (int y = 1; y < h - 1; ++y) {
        card.setPixel(0, y, edge);
        card.setPixel(w - 1, y, edge);
    }
    for (const auto& [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}}) {
        card.setPixel(x, y, corner);
        // The pixel diagonally inside each corner closes the bevel.
        card.setPixel(x == 0 ? 1 : w - 2, y == 0 ? 1 : h - 2, edge);
    }
    return card;
}

}  // namespace trelvist::assets::generator
