#pragma once
// The View button's menu: how fast the opponents' actions are played back, whether each seat's
// statistics show under its name, and whether each opponent's style shows above it.
#include <QActionGroup>
#include <QMenu>

#include "ui/playback.h"

namespace trelvist::ui {

class ViewMenu : public QMenu {
    Q_OBJECT
public:
    explicit ViewMenu(QWidget* parent);
    // Checks the item of `speed` without telling anyone.
    void showSpeed(PlaybackSpeed speed);
    // Checks the seat statistics item or clears it, without telling anyone.
    void showSeatStatistics(bool on);
    // Checks the styles item or clears it, without telling anyone.
    void showStylesItem(bool on);

signals:
    void speedChosen(PlaybackSpeed speed);
    void seatStatisticsToggled(bool on);
    void stylesToggled(bool on);
    void rebuildStatisticsChosen();

private:
    QActionGroup* speeds_;
    QAction* seatStatistics_;
    QAction* styles_;
};

}  // namespace trelvist::ui
