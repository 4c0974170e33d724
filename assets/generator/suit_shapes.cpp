#include "suit_shapes.h"

#include <QPainter>
#include <QTransform>

namespace trelvist::assets::generator {
namespace {

QPainterPath heart() {
    QPainterPath p;
    p.moveTo(0, 0.5);
    p.cubicTo(-0.14, 0.33, -0.5, 0.12, -0.5, -0.18);
    p.cubicTo(-0.5, -0.40, -0.36, -0.5, -0.24, -0.5);
    p.cubicTo(-0.11, -0.5, -0.03, -0.42, 0, -0.30);
    p.cubicTo(0.03, -0.42, 0.11, -0.5, 0.24, -0.5);
    p.cubicTo(0.36, -0.5, 0.5, -0.40, 0.5, -0.18);
    p.cubicTo(0.5, 0.12, 0.14, 0.33, 0, 0.5);
    p.closeSubpath();
    return p;
}

QPainterPath diamond() {
    QPainterPath p;
    p.moveTo(0, -0.5);
    p.quadTo(0.17, -0.22, 0.39, 0);
    p.quadTo(0.17, 0.22, 0, 0.5);
    p.quadTo(-0.17, 0.22, -0.39, 0);
    p.quadTo(-0.17, -0.22, 0, -0.5);
    p.closeSubpath();
    return p;
}

// The flared stem under a club or a spade, from the body down to the bottom edge.
QPainterPath stem(double top) {
    QPainterPath p;
    p.moveTo(-0.035, top);
    p.lineTo(0.035, top);
    p.quadTo(0.05, 0.40, 0.19, 0.5);
    p.lineTo(-0.19, 0.5);
    p.quadTo(-0.05, 0.40, -0.035, top);
    p.closeSubpath();
    return p;
}

QPainterPath spadeBody() {
    QPainterPath p;
    p.moveTo(0, -0.5);
    p.cubicTo(0.14, -0.30, 0.5, -0.12, 0.5, 0.12);
    p.cubicTo(0.5, 0.30, 0.37, 0.37, 0.25, 0.37);
    p.cubicTo(0.13, 0.37, 0.05, 0.30, 0, 0.20);
    p.cubicTo(-0.05, 0.30, -0.13, 0.37, -0.25, 0.37);
    p.cubicTo(-0.37, 0.37, -0.5, 0.30, -0.5, 0.12);
    p.cubicTo(-0.5, -0.12, -0.14, -0.30, 0, -0.5);
    p.closeSubpath();
    return p;
}

constexpr double kSpadeStemTop = 0.1;

QPainterPath spade() { return spadeBody().united(stem(kSpadeStemTop)); }

QPainterPath club() {
    const double r = 0.225;
    // Three leaves, the gap between them filled, and the stem; overlapping parts are joined
    // into one outline so no seam or hole shows where they meet.
    QPainterPath p = stem(0.0);
    for (const QPointF centre : {QPointF(0, -0.265), QPointF(-0.265, 0.085), QPointF(0.265, 0.085)}) {
        QPainterPath leaf;
        leaf.addEllipse(centre, r, r);
        p = p.united(leaf);
    }
    QPainterPath middle;
    middle.addPolygon(QPolygonF({QPointF(0, -0.2), QPointF(0.17, 0.1), QPointF(-0.17, 0.1)}));
    middle.closeSubpath();
    return p.united(middle);
}

}  // namespace

QPainterPath suitPath(int suit) {
    switch (suit) {
    case Clubs: return club();
    case Diamonds: return diamond();
    case Hearts: return heart();
    default: return spade();
    }
}

QPainterPath curvedSpade() {
    QPainterPath p = spadeBody();
    p.addPath(stem(kSpadeStemTop));
    p.setFillRule(Qt::WindingFill);
    return p;
}

QColor suitColour(int suit) {
    return suit == Diamonds || suit == Hearts ? QColor(206, 22, 32) : QColor(16, 16, 20);
}

void drawPip(QPainter& painter, int suit, QPointF centre, double height, bool upsideDown, const QColor& colour) {
    static const QPainterPath shapes[4] = {suitPath(0), suitPath(1), suitPath(2), suitPath(3)};
    QTransform t;
    t.translate(centre.x(), centre.y());
    if (upsideDown) t.rotate(180);
    t.scale(height, height);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour.isValid() ? colour : suitColour(suit));
    painter.drawPath(t.map(shapes[suit & 3]));
    painter.restore();
}

}  // namespace trelvist::assets::generator
