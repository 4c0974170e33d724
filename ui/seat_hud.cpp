#include "ui/seat_hud.h"

#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/report_text.h"
#include "ui/text_outline.h"

namespace trelvist::ui {

namespace {
// A pale blue apart from the seats' white and yellow, outlined to stand out on the felt.
const QColor kHudColour(170, 225, 255);
constexpr double kOutline = 1.0;  // table pixels
}  // namespace

SeatHud::SeatHud(QWidget* window, const std::array<QPoint, kSeatSlots>& places) {
    for (int seat : kSeatOrder) {
        QLabel* label = makeLabel(window, qPrintable(QString("hud%1").arg(seat)), "", places[seat],
                                  pixelFont("Verdana", 11), kHudColour);
        new TextOutline(label, Qt::black, kOutline);
        label->hide();
        labels_[seat] = label;
    }
}

void SeatHud::setOn(bool on) {
    on_ = on;
    for (int seat : kSeatOrder) labels_[seat]->setVisible(on);
}

void SeatHud::show(const stats::StatisticsReport& report) {
    for (int seat : kSeatOrder) {
        // A seat is read over its whole history, as a tracker's HUD reads a player.
        const stats::SeatFigures& figures = report.lifetime[seat];
        setCaption(labels_[seat], hudLine(figures));
        const QString words = hudWords(figures);
        labels_[seat]->setToolTip(words);
        labels_[seat]->setAccessibleName(words);
    }
}

}  // namespace trelvist::ui
