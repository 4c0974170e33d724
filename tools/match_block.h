#pragma once
// One stretch of a match: a fresh game at one table, played hand by hand with every seat
// decided by its style, the human seat through the presses a player makes.
#include <array>
#include <cstdint>
#include <vector>

#include "history/hand_record.h"
#include "stats/seat_counters.h"
#include "tools/match_plan.h"

namespace trelvist::tools {

// Hands are played in games of this many; a multiple of eight, so that the blinds go round
// every seat equally often.
constexpr int64_t kBlockHands = 1000;
constexpr int32_t kMatchCash = 100000;

struct Block {
    int64_t firstDeal = 0;  // the index of its first deal in the match
    int64_t deals = 0;
    int seating = 0;        // the shift of the styles: each plays the seat `seating` places on
};

struct BlockResult {
    // By entry of the plan's styles: the counters of the player each entry names.
    std::array<stats::SeatCounters, 8> players{};
    std::vector<history::HandRecord> hands;  // kept only for a history folder
};

// How many seats the entries of the plan's styles are moved on for hand `deal` of a block: the
// entry at index i of the seat order is entry (i + shift) % 8. Moved by the block's seating and,
// when the styles rotate, by the deal.
int seatingShift(const MatchPlan& plan, const Block& block, int64_t deal);

// The seed the table deals hand `deal` of a match from.
uint32_t dealSeed(uint32_t matchSeed, int64_t deal);

BlockResult playBlock(const MatchPlan& plan, const Block& block);

}  // namespace trelvist::tools
