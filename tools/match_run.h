#pragma once
// A whole match: its stretches shared out among threads and added up in a fixed order, so the
// figures are the same whatever the number of threads.
#include <array>
#include <functional>

#include "stats/seat_counters.h"
#include "tools/match_plan.h"

namespace trelvist::tools {

struct MatchTotals {
    int64_t hands = 0;
    std::array<stats::SeatCounters, 8> players{};  // by entry of the plan's styles
};

// `progress` is told the hands played so far, now and then, from the calling thread.
MatchTotals playMatch(const MatchPlan& plan, const std::function<void(int64_t played, int64_t total)>& progress);

}  // namespace trelvist::tools
