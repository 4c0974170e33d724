#pragma once
// The table the cards lie on: a picture of the client area drawn whole from the table's view,
// the felt and then every card lying on it, at the screen's density, so at any zoom or pixel
// ratio the felt and the cards are drawn for the device pixels they cover. A paint event only
// copies the touched part to the screen.
#include <QBrush>
#include <QImage>
#include <QPixmap>
#include <QWidget>

class QPainter;
#include <array>

#include "assets/pictures.h"
#include "game/table_view.h"

namespace trelvist::ui {

class TableCanvas : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kClientSize{1011, 659};

    explicit TableCanvas(QWidget* parent);

    // Makes the picture the felt brush, aligned to the window origin, and lays the table on it
    // again. An unreadable picture leaves the canvas and its brush as they were: black until
    // a felt is read. At any scale but 1 the felt is the same tile drawn for that scale.
    bool loadFelt(const QString& path);
    // Draws the table as the view shows it: the felt, the seats' cards, the first across the
    // table and then the second over them, and the board. Only a change of the cards redraws.
    void show(const TableView& view);

    // Device pixels per table pixel: the zoom times the screen's pixel ratio.
    void setScale(double scale);
    double scale() const { return scale_; }

    // The table as it is drawn, in device pixels.
    QImage image() const { return canvas_.toImage(); }
    // The cards lying on the table, as last shown.
    const ShownCard& hole(int seat, int card) const { return shown_.holes[seat][card]; }
    const ShownCard& boardCard(int index) const { return shown_.board[index]; }

signals:
    void painted();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // What the picture shows: the cards of each seat and of the board.
    struct Cards {
        std::array<std::array<ShownCard, 2>, kSeatSlots> holes{};
        std::array<ShownCard, 5> board{};
        friend bool operator==(const Cards&, const Cards&) = default;
    };

    void drawAll();
    // A card with its corner pixels trimmed back to the felt, all but the top-left one when
    // that lies over the seat's first card.
    void drawCard(QPainter& painter, const ShownCard& card, int x, int y, bool keepTopLeft);
    QRect toDevice(const QRect& area) const;
    // Where the picture of a card at x, y lies, in device pixels.
    QRect cardArea(int x, int y) const;
    void useFeltBrush();
    const QPixmap& card(int picture);

    QPixmap canvas_;
    double scale_ = 0.0;  // none until the first setScale
    QPixmap feltFile_;   // the felt as last loaded; the brush at scale 1
    QPixmap drawnFelt_;  // the felt drawn for scale_, made when first needed
    QBrush brush_{Qt::black};
    std::array<QPixmap, assets::kCardPictures> cardPictures_;  // for scale_, made on first use
    Cards shown_;
};

}  // namespace trelvist::ui
