#pragma once
// The table the cards lie on: a persistent picture of the client area. The game paints on it
// incrementally (felt, erase, cards, trimmed corners) in the table's own pixels; the picture
// holds them at the screen's density, so at any zoom or pixel ratio the felt and the cards
// are drawn for the device pixels they cover. A paint event only copies the touched part to
// the screen.
#include <QBrush>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <array>

#include "assets/pictures.h"
#include "ui/visible_cards.h"

namespace trelvist::ui {

class TableCanvas : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kClientSize{1011, 659};

    explicit TableCanvas(QWidget* parent);

    // Makes the picture the felt brush, aligned to the window origin, and fills the whole
    // table with it. An unreadable picture leaves the canvas and its brush as they were. At
    // any scale but 1 the felt is the same tile drawn for that scale.
    bool paintFelt(const QString& path);
    // Fills a rectangle with the current brush: the felt after the first paint, black before.
    void erase(const QRect& area);
    // A card picture (faces 0..51, backs 52..59) with its top-left corner at x, y.
    void drawCard(int picture, int x, int y);
    // Erases the corner pixels of a card at x, y, all but the top-left one when it is kept.
    void trimCorners(int x, int y, bool keepTopLeft);

    // Device pixels per table pixel: the zoom times the screen's pixel ratio. A new scale
    // starts a bare black table, which the game then repaints.
    void setScale(double scale);
    double scale() const { return scale_; }

    // The table as it is drawn, in device pixels.
    QImage image() const { return canvas_.toImage(); }
    // The cards lying on the table.
    const VisibleCards& cards() const { return cards_; }

signals:
    void painted();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect toDevice(const QRect& area) const;
    // Where the picture of a card at x, y lies, in device pixels.
    QRect cardArea(int x, int y) const;
    // Fills device pixels with the brush and shows them.
    void fill(const QRect& deviceArea);
    void showDevice(const QRect& deviceArea);
    void useFeltBrush();
    const QPixmap& card(int picture);

    QPixmap canvas_;
    double scale_ = 0.0;  // none until the first setScale
    QPixmap feltFile_;   // the felt as last loaded; the brush at scale 1
    QPixmap drawnFelt_;  // the felt drawn for scale_, made when first needed
    QBrush brush_{Qt::black};
    std::array<QPixmap, assets::kCardPictures> cardPictures_;  // for scale_, made on first use
    VisibleCards cards_;
};

}  // namespace trelvist::ui
