#pragma once
// The statistics under each seat's name on the table: VPIP, PFR and the aggression factor
// over this session's hands, and how many hands they count. Off unless the player turns it
// on; the labels are the window's own and zoom with the table like the seats' labels.
#include <QLabel>
#include <QPoint>
#include <array>

#include "game/cards.h"
#include "stats/statistics_report.h"

namespace trelvist::ui {

class SeatHud {
public:
    // One label per seat at `places` (table pixels), hidden until turned on.
    SeatHud(QWidget* window, const std::array<QPoint, kSeatSlots>& places);

    void setOn(bool on);
    bool on() const { return on_; }
    // Takes each seat's session figures from the report.
    void show(const stats::StatisticsReport& report);

private:
    std::array<QLabel*, kSeatSlots> labels_{};
    bool on_ = false;
};

}  // namespace trelvist::ui
