#pragma once
// Your net result from each position at the table, one bar each: to the right of the zero
// line what you won, to the left what you lost. Drawn with QPainter; read out in words.
#include <QWidget>
#include <vector>

#include "stats/statistics_report.h"

namespace trelvist::ui {

class PositionChart : public QWidget {
    Q_OBJECT
public:
    explicit PositionChart(QWidget* parent);

    void setResults(std::vector<stats::PositionResult> results);
    QString describe() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<stats::PositionResult> results_;
};

}  // namespace trelvist::ui
