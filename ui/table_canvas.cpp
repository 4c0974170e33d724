#include "ui/table_canvas.h"

#include <QPaintEvent>
#include <QPainter>

namespace trelvist::ui {

namespace {
// The felt is laid one pixel past the client area on both sides, as the table always was.
constexpr QRect kFeltArea{0, 0, 1012, 660};
constexpr int kCardRight = assets::kCardWidth - 1;
constexpr int kCardBottom = assets::kCardHeight - 1;
}  // namespace

TableCanvas::TableCanvas(QWidget* parent) : QWidget(parent), canvas_(kClientSize) {
    setObjectName("canvas");
    setGeometry(QRect(QPoint(0, 0), kClientSize));
    setAttribute(Qt::WA_OpaquePaintEvent);
    canvas_.fill(Qt::black);
}

bool TableCanvas::paintFelt(const QString& path) {
    const QPixmap felt(path);
    if (felt.isNull()) return false;
    brush_ = QBrush(felt);
    erase(kFeltArea);
    return true;
}

void TableCanvas::erase(const QRect& area) {
    QPainter(&canvas_).fillRect(area, brush_);
    update(area);
}

void TableCanvas::drawCard(int picture, int x, int y) {
    if (picture < 0 || picture >= assets::kCardPictures) return;
    QPainter(&canvas_).drawPixmap(x, y, card(picture));
    update(x, y, assets::kCardWidth, assets::kCardHeight);
}

void TableCanvas::trimCorners(int x, int y, bool keepTopLeft) {
    QPainter painter(&canvas_);
    if (!keepTopLeft) painter.fillRect(x, y, 1, 1, brush_);
    painter.fillRect(x + kCardRight, y, 1, 1, brush_);
    painter.fillRect(x, y + kCardBottom, 1, 1, brush_);
    painter.fillRect(x + kCardRight, y + kCardBottom, 1, 1, brush_);
    update(x, y, assets::kCardWidth, assets::kCardHeight);
}

void TableCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    for (const QRect& r : event->region()) painter.drawPixmap(r, canvas_, r);
    emit painted();
}

const QPixmap& TableCanvas::card(int picture) {
    QPixmap& pixmap = cards_[picture];
    if (pixmap.isNull()) pixmap = QPixmap::fromImage(assets::cardPicture(picture));
    return pixmap;
}

}  // namespace trelvist::ui
