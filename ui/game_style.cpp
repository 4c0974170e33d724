#include "ui/game_style.h"

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

bool showsKeyboardFocus(const QStyleOption* option) {
    return (option->state & QStyle::State_HasFocus) && (option->state & QStyle::State_KeyboardFocusChange);
}

// Gold outside and near-black inside: one of the two stands out against anything around it.
void drawFocusRing(QPainter* painter, const QRect& area, double zoom) {
    const double width = std::max(1.0, std::round(2 * zoom));
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(Qt::NoBrush);
    const QRectF outer = QRectF(area).adjusted(width / 2, width / 2, -width / 2, -width / 2);
    painter->setPen(QPen(QColor(255, 200, 0), width));
    painter->drawRect(outer);
    painter->setPen(QPen(QColor(20, 20, 20), 1));
    painter->drawRect(outer.adjusted(width / 2 + 0.5, width / 2 + 0.5, -width / 2 - 0.5, -width / 2 - 0.5));
    painter->restore();
}

}  // namespace

GameStyle::GameStyle(QStyle* style) : QProxyStyle(style) {}

int GameStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
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

void GameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    const double zoom = zoomOf(widget);
    if (element == PE_FrameFocusRect) {
        // Only for focus the keyboard moved: a click leaves no ring.
        if (option->state & State_KeyboardFocusChange) drawFocusRing(painter, option->rect, zoom);
        return;
    }
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

void GameStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton && showsKeyboardFocus(option)) drawFocusRing(painter, option->rect, zoomOf(widget));
}

}  // namespace trelvist::ui
