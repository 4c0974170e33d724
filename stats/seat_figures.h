#pragma once
// The figures a player reads off the counters: rates, the aggression factor and the win rate.
#include <optional>
#include <string>

#include "stats/seat_counters.h"
#include "stats/statistics_report.h"

namespace trelvist::stats {

SeatFigures figuresOf(const SeatCounters& counters, std::string name, std::string style);

struct Interval {
    double low = 0, high = 0;
};

// The 95 % confidence interval of the win rate in big bets per 100 hands, from the spread of
// the hands' results; none below two hands.
std::optional<Interval> winRateInterval(const SeatCounters& counters);

}  // namespace trelvist::stats
