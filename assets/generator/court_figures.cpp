#include "court_figures.h"

#include "suit_shapes.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace trelvist::assets::generator {
namespace {

enum Court { Jack = 0, Queen = 1, King = 2 };

// The frame around the figures, centred on the card; each half figure is drawn in local
// coordinates of the upper half, kFrameW wide and kHalfH high.
constexpr double kFrameX = 15.5, kFrameY = 7.5, kFrameW = 40, kFrameH = 81;
constexpr double kHalfH = kFrameH / 2;

struct Palette {
    QColor robe;
    QColor accent;
};

// Each suit dresses its court differently, red suits in red, black suits in blue and black.
Palette paletteOf(int suit) {
    switch (suit) {
    case Clubs: return {QColor(30, 74, 172), QColor(202, 38, 46)};
    case Diamonds: return {QColor(202, 38, 46), QColor(34, 126, 82)};
    case Hearts: return {QColor(202, 38, 46), QColor(36, 82, 178)};
    default: return {QColor(36, 36, 44), QColor(42, 100, 196)};
    }
}

const QColor kGold(238, 186, 42);
const QColor kSkin(252, 220, 186);
const QColor kInk(28, 28, 32);
const QColor kSteel(206, 210, 220);
const QColor kWood(128, 80, 36);

void shape(QPainter& p, const QPainterPath& path, const QColor& fill) {
    p.setPen(QPen(kInk, 0.6));
    p.setBrush(fill);
    p.drawPath(path);
}

QPainterPath ellipse(double cx, double cy, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), rx, ry);
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

void drawRobe(QPainter& p, const Palette& c, int court) {
    QPainterPath robe;
    robe.moveTo(16, 21);
    robe.lineTo(24, 21);
    robe.cubicTo(30, 22, 37, 25, 38, 31);
    robe.lineTo(38, kHalfH + 1);
    robe.lineTo(2, kHalfH + 1);
    robe.lineTo(2, 31);
    robe.cubicTo(3, 25, 10, 22, 16, 21);
    shape(p, robe, c.robe);

    // A sash from the left shoulder for the King, stripes for the Jack, a bodice for the Queen.
    p.save();
    p.setClipPath(robe);
    if (court == King) {
        shape(p, polygon({{3, 27}, {9, 24}, {30, kHalfH + 1}, {22, kHalfH + 1}}), c.accent);
    } else if (court == Jack) {
        for (double x : {6.0, 31.0}) shape(p, polygon({{x, 24}, {x + 3, 24}, {x + 3, kHalfH + 1}, {x, kHalfH + 1}}), c.accent);
    } else {
        shape(p, polygon({{11, 27}, {29, 27}, {24, kHalfH + 1}, {16, kHalfH + 1}}), c.accent);
    }
    p.restore();

    // The front panel with its buttons.
    shape(p, polygon({{17.5, 23}, {22.5, 23}, {22.5, kHalfH + 1}, {17.5, kHalfH + 1}}), kGold);
    p.setPen(Qt::NoPen);
    p.setBrush(c.accent);
    for (double y : {27.0, 31.5, 36.0}) p.drawEllipse(QPointF(20, y), 1.1, 1.1);

    // The collar: ermine for the King, a gold necklace for the Queen, a plain one for the Jack.
    const QColor collar = court == King ? QColor(Qt::white) : court == Queen ? kGold : c.accent;
    shape(p, ellipse(20, 22.5, 8, 2.6), collar);
    if (court == King) {
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        for (double x : {15.0, 20.0, 25.0}) p.drawEllipse(QPointF(x, 22.6), 0.6, 0.8);
    }
}

void drawHairBehind(QPainter& p, int court) {
    if (court == Queen) {
        QPainterPath hair = ellipse(20, 14, 7.6, 8);
        hair.addRect(12.6, 14, 14.8, 8.5);
        shape(p, hair.simplified(), QColor(150, 86, 36));
    } else if (court == Jack) {
        QPainterPath hair = ellipse(20, 13.5, 7, 7);
        hair.addEllipse(QPointF(14, 19), 2.4, 2.4);
        hair.addEllipse(QPointF(26, 19), 2.4, 2.4);
        shape(p, hair.simplified(), QColor(232, 180, 58));
    } else {
        shape(p, ellipse(20, 14, 6.8, 6.8), QColor(226, 226, 232));
    }
}

void drawFace(QPainter& p, int court) {
    shape(p, polygon({{18, 18}, {22, 18}, {22, 22}, {18, 22}}), kSkin);
    shape(p, ellipse(20, 14.5, 5, 6), kSkin);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(18, 13.6), 0.7, 0.7);
    p.drawEllipse(QPointF(22, 13.6), 0.7, 0.7);
    if (court == King) {
        // White beard and moustache under the mouth.
        QPainterPath beard;
        beard.moveTo(15.2, 15.5);
        beard.quadTo(16, 21, 20, 23.5);
        beard.quadTo(24, 21, 24.8, 15.5);
        beard.quadTo(20, 19, 15.2, 15.5);
        shape(p, beard, QColor(236, 236, 240));
        return;
    }
    p.setPen(QPen(QColor(196, 40, 52), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19, 17.6), QPointF(21, 17.6));
}

void drawHeadwear(QPainter& p, const Palette& c, int court) {
    if (court == King) {
        shape(p, polygon({{14.5, 8}, {14.8, 1.5}, {17.6, 5}, {20, 0.8}, {22.4, 5}, {25.2, 1.5}, {25.5, 8}}), kGold);
        p.setPen(Qt::NoPen);
        p.setBrush(c.accent);
        for (double x : {17.0, 20.0, 23.0}) p.drawEllipse(QPointF(x, 6.6), 0.9, 0.9);
    } else if (court == Queen) {
        shape(p, polygon({{15.5, 8.2}, {15.5, 5.5}, {24.5, 5.5}, {24.5, 8.2}}), kGold);
        for (double x : {16.5, 20.0, 23.5}) shape(p, ellipse(x, x == 20.0 ? 3.5 : 4.3, 1.4, 1.4), kGold);
        p.setPen(Qt::NoPen);
        p.setBrush(c.accent);
        p.drawEllipse(QPointF(20, 6.9), 1.0, 1.0);
    } else {
        // A beret with a feather.
        QPainterPath feather;
        feather.moveTo(22.5, 6);
        feather.quadTo(26, 1.2, 30.5, 1.6);
        feather.quadTo(27.5, 4, 24, 8);
        shape(p, feather, Qt::white);
        shape(p, ellipse(19.5, 7.5, 8.2, 3.2), c.accent);
    }
}

// What the figure holds, at its left hand: a sword, a flower or a halberd.
void drawAttribute(QPainter& p, const Palette& c, int court) {
    if (court == King) {
        shape(p, polygon({{32.2, 30}, {32.2, 2.5}, {33, 0.8}, {33.8, 2.5}, {33.8, 30}}), kSteel);
        shape(p, polygon({{29.5, 30}, {36.5, 30}, {36.5, 31.7}, {29.5, 31.7}}), kGold);
        shape(p, polygon({{32.3, 31.7}, {33.7, 31.7}, {33.7, 36}, {32.3, 36}}), kWood);
    } else if (court == Queen) {
        p.setPen(QPen(QColor(40, 130, 60), 1.1, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(31, 34), QPointF(32.5, 22));
        for (int i = 0; i < 5; ++i) {
            const double a = i * 2 * M_PI / 5 - M_PI / 2;
            shape(p, ellipse(32.5 + 2.0 * std::cos(a), 19.5 + 2.0 * std::sin(a), 1.5, 1.5), c.accent);
        }
        shape(p, ellipse(32.5, 19.5, 1.2, 1.2), kGold);
    } else {
        shape(p, polygon({{32.3, kHalfH + 1}, {32.3, 5}, {33.7, 5}, {33.7, kHalfH + 1}}), kWood);
        shape(p, polygon({{33, 0.5}, {34.3, 5}, {31.7, 5}}), kSteel);
        QPainterPath blade;
        blade.moveTo(33.7, 6);
        blade.quadTo(38.5, 6.5, 38.5, 9);
        blade.quadTo(38.5, 11.5, 33.7, 12);
        blade.closeSubpath();
        shape(p, blade, kSteel);
    }
    const double handY = court == King ? 36.5 : court == Queen ? 34.5 : 33.5;
    shape(p, ellipse(court == Queen ? 31 : 33, handY, 2.2, 2.0), kSkin);
}

void drawHalfFigure(QPainter& p, int suit, int court) {
    const Palette c = paletteOf(suit);
    drawRobe(p, c, court);
    drawAttribute(p, c, court);
    drawHairBehind(p, court);
    drawFace(p, court);
    drawHeadwear(p, c, court);
    drawPip(p, suit, QPointF(5.5, 6.5), 8);
}

}  // namespace

void drawCourt(QPainter& p, int suit, int court) {
    const QColor frame = paletteOf(suit).robe.darker(130);
    for (int half = 0; half < 2; ++half) {
        p.save();
        if (half == 1) {
            p.translate(kFrameX + kFrameW / 2, kFrameY + kHalfH);
            p.rotate(180);
            p.translate(-(kFrameX + kFrameW / 2), -(kFrameY + kHalfH));
        }
        p.translate(kFrameX, kFrameY);
        p.setClipRect(QRectF(0, 0, kFrameW, kHalfH));
        drawHalfFigure(p, suit, court);
        p.restore();
    }
    p.setPen(QPen(frame, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(kFrameX, kFrameY, kFrameW, kFrameH));
    p.drawLine(QPointF(kFrameX, kFrameY + kHalfH), QPointF(kFrameX + kFrameW, kFrameY + kHalfH));
}

}  // namespace trelvist::assets::generator
