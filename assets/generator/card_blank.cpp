#include "card_blank.h"

#include "assets/pictures.h"
#include "picture_scale.h"

#include <QPainter>

#include <utility>

namespace trelvist::assets::generator {
namespace {

const QRgb kEdgeColour = qRgb(52, 52, 56);
const QRgb kCornerColour = qRgb(168, 168, 172);

// The card at scale 1, pixel by pixel.
QImage pixelCard() {
    constexpr int w = kCardWidth;
    constexpr int h = kCardHeight;
    const QRgb edge = kEdgeColour;
    const QRgb corner = kCornerColour;
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

// The card for a denser (or coarser) screen: the edge three quarters of a pixel wide, so at
// twice the density it is one and a half device pixels and no line of the card is doubled.
QImage drawnCard(double scale) {
    constexpr double kEdgeWidth = 0.75;
    constexpr double kRounding = 1.25;
    constexpr double kInset = kEdgeWidth / 2;
    const QSize size(kCardWidth, kCardHeight);
    QImage card(scaledSize(size, scale), QImage::Format_RGB32);
    card.fill(kCornerColour);
    QPainter p(&card);
    p.setRenderHint(QPainter::Antialiasing);
    drawInPixels(p, card, size);
    p.setPen(QPen(QColor(kEdgeColour), kEdgeWidth));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(QPointF(0, 0), size).adjusted(kInset, kInset, -kInset, -kInset), kRounding, kRounding);
    return card;
}

}  // namespace

QImage blankCard(double scale) { return scale == 1.0 ? pixelCard() : drawnCard(scale); }

}  // namespace trelvist::assets::generator
