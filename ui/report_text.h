#pragma once
// The statistics report's figures as the windows write them: percentages without decimals,
// the aggression factor with one, chips as signed whole numbers, and a dash for a figure
// that has nothing to count yet.
#include <QString>
#include <array>
#include <optional>

#include "stats/statistics_report.h"

namespace trelvist::ui {

QString percentText(const std::optional<double>& percent);  // "23 %" or "–"
QString ratioText(const std::optional<double>& ratio);      // "1.5" or "–"
QString chipsText(int64_t chips);                           // "+40", "-12", "0"

// One seat's three figures for the table, short enough to sit under its name:
// "23/12/1.5 · 120" (VPIP, PFR, AF, hands).
QString hudLine(const stats::SeatFigures& seat);
// The same in words, for the tooltip and screen readers.
QString hudWords(const stats::SeatFigures& seat);

// "won 40 chips", "lost 12 chips", "broke even".
QString resultWords(int64_t net);

// One figure of a seat's line, as the Overview lists them and the Seats table's columns show
// them: its name in full, a short heading, its text and the number it sorts by (lowest when
// empty).
struct FigureField {
    const char* name;
    const char* heading;
    QString (*text)(const stats::SeatFigures&);
    double (*sortValue)(const stats::SeatFigures&);
};
inline constexpr int kFigureFields = 11;
const std::array<FigureField, kFigureFields>& figureFields();

}  // namespace trelvist::ui
