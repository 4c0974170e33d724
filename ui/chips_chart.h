#pragma once
// Your chips after each hand, as a line, with a dashed mark where a new game began. Drawn
// with QPainter at the widget's own density; a screen reader hears the figures in words.
#include <QWidget>
#include <vector>

#include "stats/statistics_report.h"

namespace trelvist::ui {

class ChipsChart : public QWidget {
    Q_OBJECT
public:
    // `title` names the stretch of hands ("This session"), `nothingYet` is shown without any.
    ChipsChart(QWidget* parent, const QString& title, const QString& nothingYet);

    void setPoints(std::vector<stats::ChipPoint> points);
    // The chart in words: where the chips began and ended, their highest and lowest, the
    // new games.
    QString describe() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString title_;
    QString nothingYet_;
    std::vector<stats::ChipPoint> points_;
};

}  // namespace trelvist::ui
