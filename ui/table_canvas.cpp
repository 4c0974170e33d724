#include "ui/table_canvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <cmath>

#include "ui/zoom.h"

namespace trelvist::ui {

namespace {
// The felt is laid one pixel past the client area on both sides, as the table always was.
constexpr QRect kFeltArea{0, 0, 1012, 660};
}  // namespace

TableCanvas::TableCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName("canvas");
    setGeometry(QRect(QPoint(0, 0), kClientSize));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setScale(devicePixelRatioF());
}

void TableCanvas::setScale(double scale) {
    if (scale == scale_) return;
    scale_ = scale;
    canvas_ = QPixmap(zoomed(QRect(QPoint(), kClientSize), scale).size());
    canvas_.fill(Qt::black);
    drawnFelt_ = QPixmap();
    cardPictures_.fill(QPixmap());
    if (!feltFile_.isNull()) useFeltBrush();
    cards_.clear();
    update();
}

bool TableCanvas::paintFelt(const QString& path) {
    const QPixmap felt(path);
    if (felt.isNull()) return false;
    feltFile_ = felt;
    useFeltBrush();
    erase(kFeltArea);
    return true;
}

void TableCanvas::useFeltBrush() {
    if (scale_ == 1.0) {
        brush_ = QBrush(feltFile_);
        return;
    }
    if (drawnFelt_.isNull()) drawnFelt_ = QPixmap::fromImage(assets::feltTile(scale_));
    brush_ = QBrush(drawnFelt_);
}

void TableCanvas::erase(const QRect& area) {
    cards_.wiped(area);
    fill(toDevice(area));
}

void TableCanvas::drawCard(int picture, int x, int y) {
    if (picture < 0 || picture >= assets::kCardPictures) return;
    const QRect at = cardArea(x, y);
    QPainter(&canvas_).drawPixmap(at.topLeft(), card(picture));
    cards_.laid(picture, QPoint(x, y));
    showDevice(at);
}

void TableCanvas::trimCorners(int x, int y, bool keepTopLeft) {
    // The corner pixels of the card as drawn: a square of one table pixel at each corner.
    const QRect card = cardArea(x, y);
    const int corner = std::max(1, static_cast<int>(std::lround(scale_)));
    const int right = card.width() - corner;
    const int bottom = card.height() - corner;
    QPainter painter(&canvas_);
    for (const QPoint offset : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
        if (keepTopLeft && offset.isNull()) continue;
        painter.fillRect(QRect(card.topLeft() + offset, QSize(corner, corner)), brush_);
    }
    showDevice(card);
}

void TableCanvas::fill(const QRect& deviceArea) {
    QPainter(&canvas_).fillRect(deviceArea, brush_);
    showDevice(deviceArea);
}

QRect TableCanvas::toDevice(const QRect& area) const { return zoomed(area, scale_); }

QRect TableCanvas::cardArea(int x, int y) const {
    // Every card picture has the same size in device pixels, wherever it lies.
    const QSize card = toDevice(QRect(0, 0, assets::kCardWidth, assets::kCardHeight)).size();
    return QRect(toDevice(QRect(x, y, 0, 0)).topLeft(), card);
}

void TableCanvas::showDevice(const QRect& deviceArea) {
    const double ratio = devicePixelRatioF();
    const QRectF area(deviceArea);
    update(QRectF(area.topLeft() / ratio, area.size() / ratio).toAlignedRect());
}

void TableCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const double ratio = devicePixelRatioF();
    for (const QRect& r : event->region())
        painter.drawPixmap(QRectF(r), canvas_, QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio));
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    // Reached from the keyboard, the table shows it has it as the buttons do.
    if (focus.state & QStyle::State_HasFocus && focus.state & QStyle::State_KeyboardFocusChange)
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    emit painted();
}

const QPixmap& TableCanvas::card(int picture) {
    QPixmap& pixmap = cardPictures_[picture];
    if (pixmap.isNull()) pixmap = QPixmap::fromImage(assets::cardPicture(picture, scale_));
    return pixmap;
}

}  // namespace trelvist::ui
