#include "card_faces.h"

#include "assets/pictures.h"
#include "card_blank.h"
#include "court_figures.h"
#include "fonts.h"
#include "picture_scale.h"
#include "suit_shapes.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <vector>

namespace trelvist::assets::generator {
namespace {

constexpr int kJack = 9;
constexpr int kAce = 12;
constexpr double kCentreX = 35.5;

// Pip columns and the rows between the top and the bottom pip, as fractions of that span.
constexpr double kLeft = 23, kMiddle = kCentreX, kRight = 48;
constexpr double kTopRow = 16, kBottomRow = 80;

struct PipSpot {
    double x;
    double row;  // 0 top .. 1 bottom
};

std::vector<PipSpot> pipLayout(int count) {
    const auto pair = [](double row) { return std::array{PipSpot{kLeft, row}, PipSpot{kRight, row}}; };
    std::vector<PipSpot> spots;
    auto addPairs = [&](std::initializer_list<double> rows) {
        for (double r : rows)
            for (const PipSpot& s : pair(r)) spots.push_back(s);
    };
    auto addMiddle = [&](std::initializer_list<double> rows) {
        for (double r : rows) spots.push_back({kMiddle, r});
    };
    switch (count) {
    case 2: addMiddle({0, 1}); break;
    case 3: addMiddle({0, 0.5, 1}); break;
    case 4: addPairs({0, 1}); break;
    case 5: addPairs({0, 1}); addMiddle({0.5}); break;
    case 6: addPairs({0, 0.5, 1}); break;
    case 7: addPairs({0, 0.5, 1}); addMiddle({0.25}); break;
    case 8: addPairs({0, 0.5, 1}); addMiddle({0.25, 0.75}); break;
    case 9: addPairs({0, 1.0 / 3, 2.0 / 3, 1}); addMiddle({0.5}); break;
    case 10: addPairs({0, 1.0 / 3, 2.0 / 3, 1}); addMiddle({1.0 / 6, 5.0 / 6}); break;
    default: break;
    }
    return spots;
}

double pipHeight(int suit) { return suit == Diamonds ? 13.5 : 12.5; }

void drawPips(QPainter& p, int suit, int count) {
    for (const PipSpot& s : pipLayout(count)) {
        const double y = kTopRow + s.row * (kBottomRow - kTopRow);
        drawPip(p, suit, QPointF(s.x, y), pipHeight(suit), s.row > 0.5);
    }
}

void drawAce(QPainter& p, int suit) {
    const QPointF centre(kCentreX, 48);
    if (suit == Spades) {
        // The ace of spades is traditionally the showpiece of the deck.
        p.setPen(QPen(suitColour(suit), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, 25, 25);
        drawPip(p, suit, centre, 38);
        return;
    }
    drawPip(p, suit, centre, suit == Diamonds ? 34 : 30);
}

QString rankText(int rank) {
    static const char* const names[] = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};
    return QString::fromLatin1(names[rank]);
}

// The rank and a small pip, in the top-left corner; drawn again turned by 180 degrees for the
// bottom-right corner.
void drawIndex(QPainter& p, int suit, int rank) {
    constexpr double kIndexX = 7.5;
    constexpr double kTextTop = 4.0;
    constexpr double kTextHeight = 9.0;
    constexpr double kMaxWidth = 10.0;

    // Outlines of the rank letters, made once: laying out the glyphs costs more than drawing.
    static const std::array<QPainterPath, 13> kRankOutlines = [] {
        std::array<QPainterPath, 13> outlines;
        for (int r = 0; r < 13; ++r) outlines[r].addText(0, 0, indexFont(), rankText(r));
        return outlines;
    }();
    const QPainterPath& text = kRankOutlines[rank];
    const QRectF box = text.boundingRect();
    const double scale = kTextHeight / box.height();
    const double scaleX = std::min(scale, kMaxWidth / box.width());
    QTransform t;
    t.translate(kIndexX - box.width() * scaleX / 2, kTextTop);
    t.scale(scaleX, scale);
    t.translate(-box.left(), -box.top());

    for (int corner = 0; corner < 2; ++corner) {
        p.save();
        if (corner == 1) {
            p.translate(kCardWidth, kCardHeight);
            p.rotate(180);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(suitColour(suit));
        p.drawPath(t.map(text));
        drawPip(p, suit, QPointF(kIndexX, 19.5), 7.5);
        p.restore();
    }
}

}  // namespace

QImage cardFace(int suit, int rank, double scale) {
    QImage card = blankCard(scale);
    QPainter p(&card);
    p.setRenderHint(QPainter::Antialiasing);
    drawInPixels(p, card, QSize(kCardWidth, kCardHeight));
    drawIndex(p, suit, rank);
    if (rank == kAce)
        drawAce(p, suit);
    else if (rank >= kJack)
        drawCourt(p, suit, rank - kJack);
    else
        drawPips(p, suit, rank + 2);
    return card;
}

}  // namespace trelvist::assets::generator
