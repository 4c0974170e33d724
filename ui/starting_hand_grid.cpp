#include "ui/starting_hand_grid.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

#include "ui/chart_paint.h"
#include "ui/report_text.h"

namespace trelvist::ui {

namespace {
constexpr int kRanks = 13;
constexpr char kRankLetters[] = "AKQJT98765432";  // rank 0 is the ace
const QString kTitle = "Your result with each starting hand";
const QColor kUnplayed(225, 225, 220);

QColor mixed(QColor base, double share) {
    const auto mix = [share](int from, int to) { return int(from + (to - from) * share); };
    const QColor white(255, 255, 255);
    return QColor(mix(white.red(), base.red()), mix(white.green(), base.green()), mix(white.blue(), base.blue()));
}
}  // namespace

StartingHandGrid::StartingHandGrid(QWidget* parent) : QWidget(parent) {
    setAccessibleName(kTitle);
    setFocusPolicy(Qt::TabFocus);
    setResults({});
}

void StartingHandGrid::setResults(const StartingHandTable& results) {
    results_ = results;
    largestNet_ = 0;
    for (const auto& row : results_)
        for (const stats::StartingHandResult& cell : row) largestNet_ = std::max<int64_t>(largestNet_, std::llabs(cell.net));
    setAccessibleDescription(describe());
    update();
}

QString StartingHandGrid::handName(int row, int column) {
    const int high = std::min(row, column), low = std::max(row, column);
    QString name = QString(kRankLetters[high]) + kRankLetters[low];
    if (row < column) name += 's';
    else if (row > column) name += 'o';
    return name;
}

int StartingHandGrid::cellSize() const {
    // Room for "AKs" and a margin, however large the font.
    return fontMetrics().horizontalAdvance("AKs") + fontMetrics().height() / 2;
}

QPoint StartingHandGrid::gridOrigin() const { return {0, lineSpace(fontMetrics())}; }

QRect StartingHandGrid::cellRect(int row, int column) const {
    const int size = cellSize();
    return QRect(gridOrigin() + QPoint(column * size, row * size), QSize(size, size));
}

std::optional<QPoint> StartingHandGrid::cellAt(QPoint point) const {
    const QPoint inGrid = point - gridOrigin();
    const int size = cellSize();
    if (inGrid.x() < 0 || inGrid.y() < 0 || inGrid.x() >= size * kRanks || inGrid.y() >= size * kRanks)
        return std::nullopt;
    return QPoint(inGrid.x() / size, inGrid.y() / size);
}

QString StartingHandGrid::cellText(int row, int column) const {
    const stats::StartingHandResult& cell = results_[row][column];
    if (cell.hands == 0) return handName(row, column) + ": not played yet";
    return QString("%1: %2 %3, %4").arg(handName(row, column)).arg(cell.hands)
        .arg(cell.hands == 1 ? "hand" : "hands", resultWords(cell.net));
}

QString StartingHandGrid::toolTipAt(QPoint point) const {
    const std::optional<QPoint> cell = cellAt(point);
    return cell ? cellText(cell->y(), cell->x()) : QString();
}

QColor StartingHandGrid::cellColour(int row, int column) const {
    const stats::StartingHandResult& cell = results_[row][column];
    if (cell.hands == 0) return kUnplayed;
    if (cell.net == 0) return Qt::white;
    // Never deeper than 70 %, so the hand's name stays dark on light.
    const double share = 0.15 + 0.55 * double(std::llabs(cell.net)) / double(largestNet_);
    return mixed(cell.net > 0 ? kWinColour : kLossColour, share);
}

QString StartingHandGrid::describe() const {
    QStringList played;
    for (int row = 0; row < kRanks; ++row)
        for (int column = 0; column < kRanks; ++column)
            if (results_[row][column].hands > 0) played << cellText(row, column);
    if (played.isEmpty()) return "No hands yet.";
    return QString("%1 of the 169 starting hands played. %2.").arg(played.size()).arg(played.join("; "));
}

QSize StartingHandGrid::sizeHint() const {
    const int size = cellSize();
    return QSize(size * kRanks, size * kRanks) + QSize(0, gridOrigin().y());
}

QSize StartingHandGrid::minimumSizeHint() const { return sizeHint(); }

bool StartingHandGrid::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const std::optional<QPoint> cell = cellAt(help->pos());
    if (!cell) QToolTip::hideText();
    else QToolTip::showText(help->globalPos(), cellText(cell->y(), cell->x()), this, cellRect(cell->y(), cell->x()));
    return true;
}

void StartingHandGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(kChartInk);
    painter.drawText(QRect(0, 0, width(), gridOrigin().y()), Qt::AlignLeft | Qt::AlignVCenter, kTitle);
    for (int row = 0; row < kRanks; ++row) {
        for (int column = 0; column < kRanks; ++column) {
            const QRect cell = cellRect(row, column);
            painter.fillRect(cell, cellColour(row, column));
            painter.setPen(kChartGrid);
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
            painter.setPen(kChartInk);
            painter.drawText(cell, Qt::AlignCenter, handName(row, column));
        }
    }
}

}  // namespace trelvist::ui
