#pragma once
// The figures of a match: one row per seat, or per style when the styles moved, as a table
// for people and as JSON.
#include <optional>
#include <string>
#include <vector>

#include "stats/seat_figures.h"
#include "tools/match_plan.h"
#include "tools/match_run.h"

namespace trelvist::tools {

struct MatchRow {
    stats::SeatFigures figures;  // name empty for a row per style
    std::optional<stats::Interval> ci95;
};

std::vector<MatchRow> matchRows(const MatchPlan& plan, const MatchTotals& totals);

std::string matchTable(const std::vector<MatchRow>& rows);
std::string matchJson(int64_t hands, const std::vector<MatchRow>& rows);

}  // namespace trelvist::tools
