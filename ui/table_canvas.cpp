#include "ui/table_canvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <cmath>

#include "ui/table_geometry.h"
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
    drawnFelt_ = QPixmap();
    cardPictures_.fill(QPixmap());
    if (!feltFile_.isNull()) useFeltBrush();
    drawAll();
}

bool TableCanvas::loadFelt(const QString& path) {
    const QPixmap felt(path);
    if (felt.isNull()) return false;
    feltFile_ = felt;
    useFeltBrush();
    drawAll();
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

void TableCanvas::show(const TableView& view) {
    Cards cards;
    for (int seat : kSeatOrder) cards.holes[seat] = view.seats[seat].cards;
    cards.board = view.board;
    if (cards == shown_) return;
    shown_ = cards;
    drawAll();
}

void TableCanvas::drawAll() {
    QPainter painter(&canvas_);
    painter.fillRect(toDevice(kFeltArea), brush_);
    for (int c = 0; c < 2; ++c) {
        for (int seat : kSeatOrder) {
            const Point at = holeCardPlace(seat, c);
            drawCard(painter, shown_.holes[seat][c], at.x, at.y, c == 1);
        }
    }
    for (int i = 0; i < 5; ++i) drawCard(painter, shown_.board[i], kBoardPlace[i].x, kBoardPlace[i].y, false);
    update();
}

void TableCanvas::drawCard(QPainter& painter, const ShownCard& shown, int x, int y, bool keepTopLeft) {
    if (shown.face == CardFace::None || shown.picture < 0 || shown.picture >= assets::kCardPictures) return;
    const QRect at = cardArea(x, y);
    painter.drawPixmap(at.topLeft(), card(shown.picture));
    // The corner pixels of the card as drawn: a square of one table pixel at each corner.
    const int corner = std::max(1, static_cast<int>(std::lround(scale_)));
    const int right = at.width() - corner;
    const int bottom = at.height() - corner;
    for (const QPoint offset : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
        if (keepTopLeft && offset.isNull()) continue;
        painter.fillRect(QRect(at.topLeft() + offset, QSize(corner, corner)), brush_);
    }
}

QRect TableCanvas::toDevice(const QRect& area) const { return zoomed(area, scale_); }

QRect TableCanvas::cardArea(int x, int y) const {
    // Every card picture has the same size in device pixels, wherever it lies.
    const QSize card = toDevice(QRect(0, 0, assets::kCardWidth, assets::kCardHeight)).size();
    return QRect(toDevice(QRect(x, y, 0, 0)).topLeft(), card);
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
