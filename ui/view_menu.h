#pragma once
// The View button's menu: how fast the opponents' actions are played back.
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

signals:
    void speedChosen(PlaybackSpeed speed);

private:
    QActionGroup* speeds_;
};

}  // namespace trelvist::ui
