#include "ui/view_menu.h"

namespace trelvist::ui {

ViewMenu::ViewMenu(QWidget* parent) : QMenu(parent), speeds_(new QActionGroup(this)) {
    setObjectName("viewmenu");
    addSection(tr("Playback speed"));
    const struct {
        const char* text;
        PlaybackSpeed speed;
    } items[] = {
        {"Normal", PlaybackSpeed::Normal},
        {"Fast", PlaybackSpeed::Fast},
        {"Instant", PlaybackSpeed::Instant},
    };
    for (const auto& item : items) {
        QAction* action = addAction(tr(item.text));
        action->setCheckable(true);
        action->setData(static_cast<int>(item.speed));
        speeds_->addAction(action);
        connect(action, &QAction::triggered, this, [this, speed = item.speed] { emit speedChosen(speed); });
    }
    addSection(tr("Table"));
    seatStatistics_ = addAction(tr("Seat statistics (VPIP/PFR/AF, hands)"));
    seatStatistics_->setObjectName("seatStatistics");
    seatStatistics_->setCheckable(true);
    connect(seatStatistics_, &QAction::triggered, this, &ViewMenu::seatStatisticsToggled);
    // Off at first, so that the player reads the opponents for himself.
    styles_ = addAction(tr("Show styles"));
    styles_->setObjectName("showStyles");
    styles_->setCheckable(true);
    connect(styles_, &QAction::triggered, this, &ViewMenu::stylesToggled);
    QAction* rebuild = addAction(tr("Rebuild statistics from the hand history"));
    rebuild->setObjectName("rebuildStatistics");
    connect(rebuild, &QAction::triggered, this, &ViewMenu::rebuildStatisticsChosen);
}

void ViewMenu::showSpeed(PlaybackSpeed speed) {
    for (QAction* action : speeds_->actions())
        if (action->data().toInt() == static_cast<int>(speed)) action->setChecked(true);
}

void ViewMenu::showSeatStatistics(bool on) { seatStatistics_->setChecked(on); }

void ViewMenu::showStylesItem(bool on) { styles_->setChecked(on); }

}  // namespace trelvist::ui
