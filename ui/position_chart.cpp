#include "ui/position_chart.h"

#include <QPainter>

#include <algorithm>

#include "ui/chart_paint.h"
#include "ui/report_text.h"

namespace trelvist::ui {

namespace {
const QString kTitle = "Your result by position";
const QString kNothingYet = "No hands yet.";

bool played(const std::vector<stats::PositionResult>& results) {
    return std::any_of(results.begin(), results.end(), [](const auto& r) { return r.hands > 0; });
}

QString rowLabel(const stats::PositionResult& r) {
    return QString("%1 (%2)").arg(QString::fromStdString(r.position)).arg(r.hands);
}
}  // namespace

PositionChart::PositionChart(QWidget* parent) : QWidget(parent) {
    setAccessibleName(kTitle);
    setFocusPolicy(Qt::TabFocus);
    setResults({});
}

void PositionChart::setResults(std::vector<stats::PositionResult> results) {
    results_ = std::move(results);
    setAccessibleDescription(describe());
    updateGeometry();
    update();
}

QString PositionChart::describe() const {
    if (!played(results_)) return kNothingYet;
    QStringList parts;
    for (const stats::PositionResult& r : results_)
        parts << QString("%1: %2 hands, %3").arg(QString::fromStdString(r.position)).arg(r.hands).arg(resultWords(r.net));
    return parts.join("; ") + ".";
}

QSize PositionChart::sizeHint() const {
    const int line = lineSpace(fontMetrics());
    // The title, then the rows with half a line of air above and below them.
    return {line * 30, line * int(std::max<size_t>(results_.size(), 3) + 2)};
}

QSize PositionChart::minimumSizeHint() const {
    const QSize hint = sizeHint();
    return {hint.width() / 2, hint.height()};
}

void PositionChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int line = lineSpace(metrics);
    painter.setPen(kChartInk);
    painter.drawText(QRect(0, 0, width(), line), Qt::AlignLeft | Qt::AlignVCenter, kTitle);
    const QRect paper(0, line, width(), height() - line);
    if (!played(results_)) return paintNothingYet(painter, paper, kNothingYet);
    painter.fillRect(paper, kChartPaper);

    int labels = 0, values = 0;
    int64_t largest = 1;
    for (const stats::PositionResult& r : results_) {
        labels = std::max(labels, metrics.horizontalAdvance(rowLabel(r)));
        values = std::max(values, metrics.horizontalAdvance(chipsText(r.net)));
        largest = std::max<int64_t>(largest, std::llabs(r.net));
    }
    // Bars run both ways from the zero line in the middle of what the labels leave.
    const int barsLeft = labels + line / 2 + values;
    const int barsRight = width() - values - line / 2;
    const double zero = (barsLeft + barsRight) / 2.0;
    const double reach = (barsRight - barsLeft) / 2.0;
    painter.setPen(kChartGrid);
    painter.drawLine(QPointF(zero, paper.top()), QPointF(zero, paper.bottom()));
    for (size_t i = 0; i < results_.size(); ++i) {
        const stats::PositionResult& r = results_[i];
        const QRect row(0, paper.top() + line / 2 + int(i) * line, width(), line);
        painter.setPen(kChartInk);
        painter.drawText(QRect(line / 4, row.top(), labels, line), Qt::AlignLeft | Qt::AlignVCenter, rowLabel(r));
        const double length = reach * double(std::llabs(r.net)) / double(largest);
        const QRectF bar(r.net >= 0 ? zero : zero - length, row.top() + line / 6.0, length, line * 2 / 3.0);
        painter.fillRect(bar, r.net >= 0 ? kWinColour : kLossColour);
        // The figure beside the bar's end, on the side the bar grows to.
        const QRectF figure = r.net >= 0 ? QRectF(bar.right() + line / 4.0, row.top(), values, line)
                                         : QRectF(bar.left() - line / 4.0 - values, row.top(), values, line);
        painter.drawText(figure, (r.net >= 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, chipsText(r.net));
    }
}

}  // namespace trelvist::ui
