#pragma once
// The table the cards lie on: a persistent picture the size of the client area. The game
// paints on it incrementally (felt, erase, cards, trimmed corners); a paint event only
// copies the touched part to the screen.
#include <QBrush>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <array>

#include "assets/pictures.h"

namespace trelvist::ui {

class TableCanvas : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kClientSize{1011, 659};

    explicit TableCanvas(QWidget* parent);

    // Makes the picture the felt brush, aligned to the window origin, and fills the whole
    // table with it. An unreadable picture leaves the canvas and its brush as they were.
    bool paintFelt(const QString& path);
    // Fills a rectangle with the current brush: the felt after the first paint, black before.
    void erase(const QRect& area);
    // A card picture (faces 0..51, backs 52..59) with its top-left corner at x, y.
    void drawCard(int picture, int x, int y);
    // Erases the corner pixels of a card at x, y, all but the top-left one when it is kept.
    void trimCorners(int x, int y, bool keepTopLeft);

    QImage image() const { return canvas_.toImage(); }

signals:
    void painted();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QPixmap& card(int picture);

    QPixmap canvas_;
    QBrush brush_{Qt::black};
    std::array<QPixmap, assets::kCardPictures> cards_;  // decoded on first use
};

}  // namespace trelvist::ui
