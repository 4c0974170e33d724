#include "card_backs.h"

#include "assets/pictures.h"
#include "card_blank.h"
#include "picture_scale.h"
#include "suit_shapes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace trelvist::assets::generator {
namespace {

// The coloured field leaves a white margin inside the card's edge; the frame is inset again.
const QRectF kField(3, 3, 65, 90);
const QRectF kFrame = kField.adjusted(3, 3, -3, -3);
const QPointF kCentre(35.5, 48);

void frameLine(QPainter& p, const QColor& colour, double width = 1.0, const QRectF& rect = kFrame) {
    p.setPen(QPen(colour, width));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect);
}

void outlined(QPainter& p, const QPainterPath& path, const QColor& fill, const QColor& outline, double width = 0.8) {
    p.setPen(QPen(outline, width));
    p.setBrush(fill);
    p.drawPath(path);
}

QPainterPath turned(const QPainterPath& path, QPointF at, double scale, double degrees) {
    QTransform t;
    t.translate(at.x(), at.y());
    t.rotate(degrees);
    t.scale(scale, scale);
    return t.map(path);
}

// A fine diagonal lattice that gives a plain field some texture.
void lattice(QPainter& p, const QColor& colour, double step) {
    p.save();
    p.setClipRect(kField);
    p.setPen(QPen(colour, 0.7));
    for (double d = -kField.height(); d < kField.width() + kField.height(); d += step) {
        p.drawLine(QPointF(kField.left() + d, kField.top()), QPointF(kField.left() + d - kField.height(), kField.bottom()));
        p.drawLine(QPointF(kField.left() + d - kField.height(), kField.top()), QPointF(kField.left() + d, kField.bottom()));
    }
    p.restore();
}

// 1: a light-blue four-leaf figure on dark blue.
void fourLeaf(QPainter& p) {
    const QColor field(18, 32, 112);
    const QColor leaf(150, 205, 255);
    p.fillRect(kField, field);
    lattice(p, QColor(30, 50, 140), 5);
    frameLine(p, leaf);
    QPainterPath stem;
    stem.moveTo(kCentre);
    stem.cubicTo(kCentre + QPointF(2, 10), kCentre + QPointF(8, 16), kCentre + QPointF(6, 26));
    p.setPen(QPen(leaf, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
    // Four hearts on the diagonals, their tips meeting at the centre.
    const QPainterPath heart = suitPath(Hearts);
    constexpr double kLeaf = 19;
    for (double degrees : {45.0, 135.0, 225.0, 315.0}) {
        const double a = degrees * M_PI / 180;
        const QPointF at = kCentre + QPointF(std::sin(a), -std::cos(a)) * (kLeaf / 2 - 1);
        outlined(p, turned(heart, at, kLeaf, degrees), leaf, QColor(70, 120, 210));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(field);
    p.drawEllipse(kCentre, 1.6, 1.6);
}

// 2: an orange sun ringed by small discs on yellow.
void sunRing(QPainter& p) {
    p.fillRect(kField, QColor(252, 216, 64));
    frameLine(p, QColor(232, 118, 20));
    const QColor orange(240, 126, 24);
    QPainterPath rays;
    for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8;
        const double s = M_PI / 26;
        rays.moveTo(kCentre + QPointF(std::cos(a - s), std::sin(a - s)) * 10.5);
        rays.lineTo(kCentre + QPointF(std::cos(a), std::sin(a)) * 17);
        rays.lineTo(kCentre + QPointF(std::cos(a + s), std::sin(a + s)) * 10.5);
        rays.closeSubpath();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(orange);
    p.drawPath(rays);
    QRadialGradient glow(kCentre, 11.5);
    glow.setColorAt(0, QColor(255, 190, 60));
    glow.setColorAt(1, orange);
    p.setBrush(glow);
    p.setPen(QPen(QColor(214, 96, 10), 0.8));
    p.drawEllipse(kCentre, 11.5, 11.5);
    p.setBrush(orange);
    for (int i = 0; i < 14; ++i) {
        const double a = i * 2 * M_PI / 14;
        p.drawEllipse(kCentre + QPointF(std::cos(a) * 23, std::sin(a) * 30), 2.6, 2.6);
    }
}

// 3: a white looped figure on orange fading to white.
void loops(QPainter& p) {
    QLinearGradient fade(kField.topLeft(), kField.bottomLeft());
    fade.setColorAt(0, QColor(240, 120, 28));
    fade.setColorAt(1, QColor(255, 244, 232));
    p.fillRect(kField, fade);
    frameLine(p, QColor(255, 255, 255), 1.2);
    // An epitrochoid: a rolling circle's point traces five loops around the centre.
    QPainterPath curve;
    constexpr double R = 5, r = 1, d = 3;
    for (int i = 0; i <= 720; ++i) {
        const double t = i * 2 * M_PI / 720;
        const double x = (R + r) * std::cos(t) - d * std::cos((R + r) / r * t);
        const double y = (R + r) * std::sin(t) - d * std::sin((R + r) / r * t);
        const QPointF pt = kCentre + QPointF(x * 2.9, y * 3.7);
        if (i == 0) curve.moveTo(pt); else curve.lineTo(pt);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(196, 90, 20), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(curve);
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(curve);
}

// 4: a glowing pink disc on magenta.
void glowingDisc(QPainter& p) {
    p.fillRect(kField, QColor(176, 18, 132));
    frameLine(p, QColor(255, 150, 215));
    QRadialGradient glow(kCentre, 27);
    glow.setColorAt(0, QColor(255, 236, 248));
    glow.setColorAt(0.35, QColor(255, 140, 210));
    glow.setColorAt(0.55, QColor(240, 90, 190, 200));
    glow.setColorAt(1, QColor(176, 18, 132, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(kCentre, 27, 27);
    p.setPen(QPen(QColor(255, 200, 235), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(kCentre, 15, 15);
}

// 5: a gold figure-eight knot on brown.
void knot(QPainter& p) {
    p.fillRect(kField, QColor(104, 60, 30));
    lattice(p, QColor(118, 72, 38), 4);
    const QColor gold(236, 190, 70);
    const QColor shade(90, 50, 20);
    frameLine(p, gold);
    frameLine(p, gold, 0.8, kFrame.adjusted(2, 2, -2, -2));
    // A vertical figure eight; the strand through the middle is drawn again on top so one
    // crosses over the other.
    auto at = [](double t) { return kCentre + QPointF(17 * std::sin(t) * std::cos(t) * 1.1, 30 * std::cos(t)); };
    QPainterPath whole, over;
    for (int i = 0; i <= 360; ++i) {
        const double t = i * 2 * M_PI / 360;
        i == 0 ? whole.moveTo(at(t)) : whole.lineTo(at(t));
    }
    for (int i = 70; i <= 110; ++i) {
        const double t = i * 2 * M_PI / 360;
        i == 70 ? over.moveTo(at(t)) : over.lineTo(at(t));
    }
    p.setBrush(Qt::NoBrush);
    for (const QPainterPath* path : {&whole, &over}) {
        p.setPen(QPen(shade, 6.4, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.drawPath(*path);
        p.setPen(QPen(gold, 4.2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.drawPath(*path);
        p.setPen(QPen(QColor(255, 236, 160), 1.2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.drawPath(*path);
    }
}

// 6: a large white diamond between rows of small white diamonds on orange.
void diamonds(QPainter& p) {
    p.fillRect(kField, QColor(238, 124, 30));
    frameLine(p, Qt::white);
    auto rhombus = [](QPointF c, double w, double h) {
        QPainterPath d;
        d.moveTo(c.x(), c.y() - h);
        d.lineTo(c.x() + w, c.y());
        d.lineTo(c.x(), c.y() + h);
        d.lineTo(c.x() - w, c.y());
        d.closeSubpath();
        return d;
    };
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(rhombus(kCentre, 14, 20));
    p.setBrush(QColor(238, 124, 30));
    p.drawPath(rhombus(kCentre, 8, 12));
    p.setBrush(Qt::white);
    p.drawPath(rhombus(kCentre, 4, 6));
    for (double y : {15.5, 23.5, 72.5, 80.5})
        for (int i = 0; i < 6; ++i) p.drawPath(rhombus(QPointF(12 + i * 9.4 + (y == 23.5 || y == 72.5 ? 4.7 : 0), y), 2.8, 3.6));
}

// 7: a light-blue cross of four spade shapes on dark blue, framed in white.
void spadeCross(QPainter& p) {
    p.fillRect(kField, QColor(16, 28, 104));
    frameLine(p, Qt::white, 1.6, kField.adjusted(2.5, 2.5, -2.5, -2.5));
    const QColor light(140, 200, 255);
    const QPainterPath spade = suitPath(Spades);
    for (int i = 0; i < 4; ++i) {
        // Each spade points away from the centre; the vertical arm is longer to fill the card.
        const double a = i * 90.0;
        const double reach = i % 2 == 0 ? 15.5 : 12.5;
        const QPointF at = kCentre + QPointF(std::sin(a * M_PI / 180) * reach, -std::cos(a * M_PI / 180) * reach);
        outlined(p, turned(spade, at, 17, a), light, QColor(70, 120, 210));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawEllipse(kCentre, 2.2, 2.2);
}

// 8: a red and blue disc between four white tiles on orange.
void tiles(QPainter& p) {
    p.fillRect(kField, QColor(238, 124, 30));
    frameLine(p, QColor(255, 236, 210));
    p.setPen(QPen(QColor(200, 92, 20), 0.8));
    p.setBrush(Qt::white);
    for (int dx : {-1, 1})
        for (int dy : {-1, 1}) p.drawRoundedRect(QRectF(kCentre.x() + dx * 13.5 - 9, kCentre.y() + dy * 19 - 11, 18, 22), 2, 2);
    const QRectF disc(kCentre.x() - 11, kCentre.y() - 11, 22, 22);
    p.setPen(Qt::NoPen);
    for (int q = 0; q < 4; ++q) {
        p.setBrush(q % 2 == 0 ? QColor(212, 30, 40) : QColor(32, 70, 180));
        p.drawPie(disc, q * 90 * 16, 90 * 16);
    }
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(disc);
}

}  // namespace

QImage cardBack(int number, double scale) {
    QImage card = blankCard(scale);
    QPainter p(&card);
    p.setRenderHint(QPainter::Antialiasing);
    drawInPixels(p, card, QSize(kCardWidth, kCardHeight));
    p.setClipRect(kField);
    using Design = void (*)(QPainter&);
    static constexpr Design designs[kBackCount] = {fourLeaf, sunRing, loops, glowingDisc, knot, diamonds, spadeCross, tiles};
    designs[(number - 1) % kBackCount](p);
    return card;
}

}  // namespace trelvist::assets::generator
