#include "ui/chart_paint.h"

#include <QFontMetrics>

namespace trelvist::ui {

void paintNothingYet(QPainter& painter, const QRect& area, const QString& note) {
    painter.fillRect(area, kChartPaper);
    painter.setPen(kChartInk);
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, note);
}

int lineSpace(const QFontMetrics& metrics) { return metrics.height() + metrics.height() / 3; }

}  // namespace trelvist::ui
