#include "ui/report_text.h"

#include <cmath>
#include <limits>

namespace trelvist::ui {

namespace {
const QString kNone = QStringLiteral("–");

QString shortPercent(const std::optional<double>& percent) {
    return percent ? QString::number(std::lround(*percent)) : kNone;
}
}  // namespace

QString percentText(const std::optional<double>& percent) {
    return percent ? shortPercent(percent) + " %" : kNone;
}

QString ratioText(const std::optional<double>& ratio) { return ratio ? QString::number(*ratio, 'f', 1) : kNone; }

QString chipsText(int64_t chips) { return chips > 0 ? "+" + QString::number(chips) : QString::number(chips); }

QString hudLine(const stats::SeatFigures& seat) {
    return QString("%1/%2/%3 · %4")
        .arg(shortPercent(seat.vpip), shortPercent(seat.pfr), ratioText(seat.af))
        .arg(seat.hands);
}

QString hudWords(const stats::SeatFigures& seat) {
    const auto figure = [](const std::optional<double>& value, const QString& text) {
        return value ? text : QString("none yet");
    };
    const QString who = seat.name.empty() ? QString() : QString::fromStdString(seat.name) + ", ";
    return QString("%1%2 hands in all: VPIP %3, PFR %4, aggression factor %5")
        .arg(who)
        .arg(seat.hands)
        .arg(figure(seat.vpip, percentText(seat.vpip)), figure(seat.pfr, percentText(seat.pfr)),
             figure(seat.af, ratioText(seat.af)));
}

QString resultWords(int64_t net) {
    if (net == 0) return "broke even";
    return QString("%1 %2 chips").arg(net > 0 ? "won" : "lost").arg(std::llabs(net));
}

namespace {
constexpr double kEmpty = std::numeric_limits<double>::lowest();

double valueOf(const std::optional<double>& figure) { return figure.value_or(kEmpty); }
}  // namespace

const std::array<FigureField, kFigureFields>& figureFields() {
    using Seat = stats::SeatFigures;
    static const std::array<FigureField, kFigureFields> fields{{
        {"Hands", "Hands", [](const Seat& s) { return QString::number(s.hands); },
         [](const Seat& s) { return double(s.hands); }},
        {"Voluntarily put money in the pot (VPIP)", "VPIP", [](const Seat& s) { return percentText(s.vpip); },
         [](const Seat& s) { return valueOf(s.vpip); }},
        {"Raised before the flop (PFR)", "PFR", [](const Seat& s) { return percentText(s.pfr); },
         [](const Seat& s) { return valueOf(s.pfr); }},
        {"Three-bet before the flop", "3-bet", [](const Seat& s) { return percentText(s.threeBet); },
         [](const Seat& s) { return valueOf(s.threeBet); }},
        {"Aggression factor (AF)", "AF", [](const Seat& s) { return ratioText(s.af); },
         [](const Seat& s) { return valueOf(s.af); }},
        {"Went to showdown (WTSD)", "WTSD", [](const Seat& s) { return percentText(s.wtsd); },
         [](const Seat& s) { return valueOf(s.wtsd); }},
        {"Won at showdown (W$SD)", "W$SD", [](const Seat& s) { return percentText(s.wsd); },
         [](const Seat& s) { return valueOf(s.wsd); }},
        {"Won when it saw the flop (WWSF)", "WWSF", [](const Seat& s) { return percentText(s.wwsf); },
         [](const Seat& s) { return valueOf(s.wwsf); }},
        {"Continuation bet (c-bet)", "C-bet", [](const Seat& s) { return percentText(s.cbet); },
         [](const Seat& s) { return valueOf(s.cbet); }},
        {"Net chips", "Net", [](const Seat& s) { return chipsText(s.net); },
         [](const Seat& s) { return double(s.net); }},
        {"Big bets per 100 hands", "BB/100", [](const Seat& s) { return ratioText(s.bbPer100); },
         [](const Seat& s) { return valueOf(s.bbPer100); }},
    }};
    return fields;
}

}  // namespace trelvist::ui
