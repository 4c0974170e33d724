#include "ui/text_outline.h"

#include <QPainter>
#include <QWidget>

#include <cmath>

#include "ui/zoom.h"

namespace trelvist::ui {

TextOutline::TextOutline(QWidget* widget, QColor colour, double width)
    : QGraphicsEffect(widget), widget_(widget), colour_(colour), width_(width) {
    widget->setGraphicsEffect(this);
}

double TextOutline::widthInPixels() const { return width_ * zoomOf(widget_); }

QRectF TextOutline::boundingRectFor(const QRectF& rect) const {
    const double w = std::ceil(widthInPixels());
    return rect.adjusted(-w, -w, w, w);
}

void TextOutline::draw(QPainter* painter) {
    QPoint offset;
    const QPixmap text = sourcePixmap(Qt::DeviceCoordinates, &offset, QGraphicsEffect::PadToEffectiveBoundingRect);
    if (text.isNull()) return;

    // The letters' shape in the outline colour, laid around them in a ring of steps.
    QPixmap shape(text.size());
    shape.setDevicePixelRatio(text.devicePixelRatio());
    shape.fill(Qt::transparent);
    {
        QPainter p(&shape);
        p.drawPixmap(0, 0, text);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(shape.rect(), colour_);
    }
    // Device coordinates here are the widget's units before the screen's pixel ratio.
    const double radius = widthInPixels();
    constexpr int steps = 16;
    const QTransform world = painter->worldTransform();
    painter->setWorldTransform(QTransform());
    for (int i = 0; i < steps; ++i) {
        const double angle = 2 * M_PI * i / steps;
        painter->drawPixmap(QPointF(offset) + QPointF(std::cos(angle), std::sin(angle)) * radius, shape);
    }
    painter->drawPixmap(offset, text);
    painter->setWorldTransform(world);
}

}  // namespace trelvist::ui
