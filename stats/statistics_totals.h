#pragma once
// Running sums of the counters over a stretch of settled hands: every seat's, every style's,
// and yours by position and by starting hand, with your chips after each hand. A hand is added
// in constant time, so the figures of any number of hands are ready at once.
#include <array>
#include <map>
#include <string>
#include <vector>

#include "stats/seat_counters.h"
#include "stats/statistics_report.h"

namespace trelvist::stats {

using SeatStyles = std::array<std::string, kSeatSlots>;  // by seat number, empty where unknown

struct StatisticsTotals {
    int64_t hands = 0;
    TableCounters seats{};
    std::map<std::string, SeatCounters> styles;
    std::map<std::string, SeatCounters> positions;  // your counters by position
    std::array<std::array<SeatCounters, 13>, 13> startingHands{};  // yours, on the 13 x 13 grid
    std::vector<ChipPoint> chips;

    // Adds a settled hand whose counters are `counted`.
    void add(const history::HandRecord& hand, const TableCounters& counted, const SeatStyles& styles);
    // Adds your chips after a hand; a hand of another game than the last one starts a new game.
    void addChips(int64_t hand, int64_t game, int64_t chips);

private:
    int64_t lastGame_ = -1;
};

// Your place at the table in a hand, counted from the blinds in the order of play: "Small
// blind", "Big blind", "Early", "Middle", "Late" or "Button"; empty when no blind was posted.
std::string positionOf(const history::HandRecord& hand);

// The starting hand's cell on the grid: rank 0 is the ace; suited above the diagonal.
std::pair<int, int> startingCell(const std::array<Card, 2>& cards);

// The figures of the whole history and of this session, for the window to show.
StatisticsReport reportOf(const StatisticsTotals& lifetime, const StatisticsTotals& session);

}  // namespace trelvist::stats
