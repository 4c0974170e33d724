#pragma once
// The 169 starting hands on a 13 x 13 grid, aces first: suited hands above the diagonal,
// pairs on it, offsuit hands below. Each cell is coloured by your net result with that hand,
// green for a win and red for a loss, deeper the larger; its tooltip gives the hands played
// and the result. Drawn with QPainter; a screen reader hears the hands played in words.
#include <QWidget>
#include <array>
#include <optional>

#include "stats/statistics_report.h"

namespace trelvist::ui {

using StartingHandTable = std::array<std::array<stats::StartingHandResult, 13>, 13>;

class StartingHandGrid : public QWidget {
    Q_OBJECT
public:
    explicit StartingHandGrid(QWidget* parent);

    void setResults(const StartingHandTable& results);

    // "AKs" above the diagonal, "AA" on it, "AKo" below.
    static QString handName(int row, int column);
    // Where a cell lies in the widget, and the tooltip over a point (empty off the grid).
    QRect cellRect(int row, int column) const;
    QString toolTipAt(QPoint point) const;
    QColor cellColour(int row, int column) const;
    QString describe() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int cellSize() const;
    // The cell under a point, as column (x) and row (y).
    std::optional<QPoint> cellAt(QPoint point) const;
    QString cellText(int row, int column) const;
    QPoint gridOrigin() const;

    StartingHandTable results_{};
    int64_t largestNet_ = 0;  // the largest win or loss on one cell
};

}  // namespace trelvist::ui
