#include "ui/chips_chart.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

#include "ui/chart_paint.h"
#include "ui/report_text.h"

namespace trelvist::ui {

namespace {
const QColor kLineColour(30, 80, 170);
const QColor kNewGameColour(150, 110, 0);
}  // namespace

ChipsChart::ChipsChart(QWidget* parent, const QString& title, const QString& nothingYet)
    : QWidget(parent), title_(title), nothingYet_(nothingYet) {
    setAccessibleName(title);
    setFocusPolicy(Qt::TabFocus);  // so a screen reader reaches it with Tab
    setPoints({});
}

void ChipsChart::setPoints(std::vector<stats::ChipPoint> points) {
    points_ = std::move(points);
    setAccessibleDescription(describe());
    update();
}

QString ChipsChart::describe() const {
    if (points_.empty()) return nothingYet_;
    const auto [low, high] = std::minmax_element(points_.begin(), points_.end(),
                                                 [](const auto& a, const auto& b) { return a.chips < b.chips; });
    QStringList newGames;
    for (const stats::ChipPoint& p : points_)
        if (p.newGame) newGames << QString::number(p.hand);
    QString text = QString("%1 hands, from hand %2 to hand %3. Your chips went from %4 to %5; the most was %6 "
                           "after hand %7, the least %8 after hand %9.")
                       .arg(points_.size())
                       .arg(points_.front().hand)
                       .arg(points_.back().hand)
                       .arg(points_.front().chips)
                       .arg(points_.back().chips)
                       .arg(high->chips)
                       .arg(high->hand)
                       .arg(low->chips)
                       .arg(low->hand);
    // A screen reader reads a handful of hand numbers; of a long history it reads the count.
    constexpr qsizetype kListedGames = 10;
    if (newGames.size() > kListedGames)
        text += QString(" %1 new games began, the first at hand %2 and the last at hand %3.")
                    .arg(newGames.size())
                    .arg(newGames.front(), newGames.back());
    else if (!newGames.isEmpty())
        text += QString(" %1 began at hand %2.")
                    .arg(newGames.size() == 1 ? QString("A new game") : QString("New games"), newGames.join(", "));
    return text;
}

QSize ChipsChart::sizeHint() const {
    const int line = lineSpace(fontMetrics());
    return {line * 30, line * 12};
}

QSize ChipsChart::minimumSizeHint() const {
    const int line = lineSpace(fontMetrics());
    return {line * 16, line * 8};
}

void ChipsChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = fontMetrics();
    const int line = lineSpace(metrics);
    painter.setPen(kChartInk);
    painter.drawText(QRect(0, 0, width(), line), Qt::AlignLeft | Qt::AlignVCenter, title_);
    const QRect paper(0, line, width(), height() - line);
    if (points_.empty()) return paintNothingYet(painter, paper, nothingYet_);
    painter.fillRect(paper, kChartPaper);
    if (std::any_of(points_.begin(), points_.end(), [](const auto& p) { return p.newGame; })) {
        painter.setPen(kNewGameColour);
        painter.drawText(QRect(0, 0, width(), line), Qt::AlignRight | Qt::AlignVCenter, "- - -  a new game");
    }

    const auto [low, high] = std::minmax_element(points_.begin(), points_.end(),
                                                 [](const auto& a, const auto& b) { return a.chips < b.chips; });
    // From the least to the most, so that the swings show; the scale says where they lie.
    const int64_t bottom = low->chips;
    const int64_t top = std::max(high->chips, bottom + 1);
    const QString topText = QString::number(top), bottomText = QString::number(bottom);
    const int left = std::max(metrics.horizontalAdvance(topText), metrics.horizontalAdvance(bottomText)) + line / 2;
    // The plot: the paper less the chip scale on the left and the hand numbers below.
    const QRectF plot(left, paper.top() + line / 2, paper.width() - left - line / 2, paper.height() - 2 * line);
    const auto x = [&](size_t i) {
        return points_.size() == 1 ? plot.center().x()
                                   : plot.left() + plot.width() * double(i) / double(points_.size() - 1);
    };
    const auto y = [&](int64_t chips) { return plot.bottom() - plot.height() * double(chips - bottom) / double(top - bottom); };

    painter.setPen(kChartGrid);
    painter.drawLine(QPointF(plot.left(), plot.top()), QPointF(plot.right(), plot.top()));
    painter.drawLine(QPointF(plot.left(), plot.bottom()), QPointF(plot.right(), plot.bottom()));
    painter.setPen(kChartInk);
    painter.drawText(QRectF(0, plot.top() - line / 2, left - line / 4, line), Qt::AlignRight | Qt::AlignVCenter, topText);
    painter.drawText(QRectF(0, plot.bottom() - line / 2, left - line / 4, line), Qt::AlignRight | Qt::AlignVCenter,
                     bottomText);
    const QRectF below(plot.left(), plot.bottom(), plot.width(), line);
    painter.drawText(below, Qt::AlignLeft | Qt::AlignVCenter, QString("hand %1").arg(points_.front().hand));
    painter.drawText(below, Qt::AlignRight | Qt::AlignVCenter, QString("hand %1").arg(points_.back().hand));

    // A new game is a line across the plot; where they would stand closer than a line's height
    // apart they shrink to marks along its foot, so that the chips stay readable.
    const auto newGames = std::count_if(points_.begin(), points_.end(), [](const auto& p) { return p.newGame; });
    const double markTop = newGames * line > plot.width() ? plot.bottom() - line / 2.0 : plot.top();
    QPen dashed(kNewGameColour, std::max(1.0, line / 12.0), Qt::DashLine);
    painter.setPen(dashed);
    for (size_t i = 0; i < points_.size(); ++i)
        if (points_[i].newGame) painter.drawLine(QPointF(x(i), markTop), QPointF(x(i), plot.bottom()));

    QPainterPath path(QPointF(x(0), y(points_[0].chips)));
    for (size_t i = 1; i < points_.size(); ++i) path.lineTo(x(i), y(points_[i].chips));
    painter.setPen(QPen(kLineColour, std::max(1.5, line / 8.0)));
    painter.drawPath(path);
    if (points_.size() == 1) painter.drawEllipse(QPointF(x(0), y(points_[0].chips)), line / 6.0, line / 6.0);
}

}  // namespace trelvist::ui
