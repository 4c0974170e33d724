#include "ui/stats_window.h"

#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/message_boxes.h"

namespace trelvist::ui {

StatsWindow::StatsWindow(QWidget* owner)
    : FixedDialog(owner, "TStatistics", {274, 209}, QColor(9, 6, 87),
                  Qt::Dialog | Qt::FramelessWindowHint) {
    setWindowTitle("Player stats");
    const QFont font = pixelFont("Verdana", 12);
    setFont(font);
    makeLabel(this, "Label1", "Hands played:", {16, 32}, font);
    makeLabel(this, "Label2", "Hands won:", {16, 64}, font);
    makeLabel(this, "Label3", "Showdowns:", {16, 96}, font);
    handsPlayed_ = makeLabel(this, "lblhandsplayed", "", {136, 32}, font);
    handsWon_ = makeLabel(this, "lblhandswon", "", {136, 64}, font);
    showdowns_ = makeLabel(this, "lblshowdowns", "", {136, 96}, font);
    auto* ok = makeButton(this, "dxButton1", "Ok", {96, 160, 81, 25}, font);
    auto* reset = makeButton(this, "dxButton2", "Reset", {208, 32, 49, 81}, font);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    // The counts cover every game ever played, so the window asks before they are wiped.
    connect(reset, &QPushButton::clicked, this, [this] {
        if (askYesNoBox(this, "Reset statistics", "Reset all statistics?")) emit resetClicked();
    });
}

void StatsWindow::showValues(const QString& handsPlayed, const QString& handsWon,
                             const QString& showdowns) {
    setCaption(handsPlayed_, handsPlayed);
    setCaption(handsWon_, handsWon);
    setCaption(showdowns_, showdowns);
}

}  // namespace trelvist::ui
