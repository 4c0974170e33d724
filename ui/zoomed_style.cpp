#include "ui/zoomed_style.h"

#include <QPainter>
#include <QStyleOption>

#include <cmath>

#include "ui/zoom.h"

namespace trelvist::ui {

namespace {
bool isArrow(QStyle::PrimitiveElement element) {
    return element == QStyle::PE_IndicatorArrowLeft || element == QStyle::PE_IndicatorArrowRight ||
           element == QStyle::PE_IndicatorArrowUp || element == QStyle::PE_IndicatorArrowDown;
}
}  // namespace

ZoomedStyle::ZoomedStyle(QStyle* style) : QProxyStyle(style) {}

int ZoomedStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_RadioButtonLabelSpacing:
    case PM_CheckBoxLabelSpacing:
        return static_cast<int>(std::lround(size * zoomOf(widget)));
    default:
        return size;
    }
}

void ZoomedStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const {
    const double zoom = zoomOf(widget);
    if (!isArrow(element) || zoom == 1.0) return QProxyStyle::drawPrimitive(element, option, painter, widget);
    // The arrow as the style draws it in a rectangle the zoom smaller, drawn the zoom larger.
    QStyleOption smaller = *option;
    const QPointF centre = QRectF(option->rect).center();
    smaller.rect = QRectF(QPointF(), QSizeF(option->rect.size()) / zoom).toRect();
    smaller.rect.moveCenter(QPoint());
    painter->save();
    painter->translate(centre);
    painter->scale(zoom, zoom);
    QProxyStyle::drawPrimitive(element, &smaller, painter, widget);
    painter->restore();
}

}  // namespace trelvist::ui
