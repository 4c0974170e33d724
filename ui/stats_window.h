#pragma once
// The statistics window: the human's three lifetime counts, with a Reset button that asks
// before it acts.
#include <QLabel>

#include "ui/fixed_dialog.h"

namespace trelvist::ui {

class StatsWindow : public FixedDialog {
    Q_OBJECT
public:
    explicit StatsWindow(QWidget* owner);

    void showValues(const QString& handsPlayed, const QString& handsWon, const QString& showdowns);

signals:
    void resetClicked();  // Reset was pressed and the question answered Yes

private:
    QLabel* handsPlayed_;
    QLabel* handsWon_;
    QLabel* showdowns_;
};

}  // namespace trelvist::ui
