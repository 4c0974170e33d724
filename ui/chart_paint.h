#pragma once
// What the statistics charts share: the colours of a win and a loss, and the note a chart
// shows in place of figures it does not have yet.
#include <QColor>
#include <QPainter>
#include <QString>

namespace trelvist::ui {

inline const QColor kWinColour(40, 140, 60);
inline const QColor kLossColour(190, 50, 40);
inline const QColor kChartInk(30, 30, 30);
inline const QColor kChartPaper(250, 250, 246);
inline const QColor kChartGrid(200, 200, 195);

// The chart's paper, and `note` across its middle.
void paintNothingYet(QPainter& painter, const QRect& area, const QString& note);

// Space for one line of the widget's text and a little air, in its own pixels.
int lineSpace(const QFontMetrics& metrics);

}  // namespace trelvist::ui
