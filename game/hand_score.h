#pragma once
// What the evaluator makes of seven cards, and the score the showdown ranks it by.
#include <cstdint>

namespace trelvist {

struct HandScore {
    int32_t handValue = 0;
    int32_t kickerScore = 0;
    friend bool operator==(const HandScore&, const HandScore&) = default;
};

// The showdown ranks hands by this score: the hand value first, the kicker score within it.
constexpr int32_t showdownScore(HandScore hand) { return 130 * hand.handValue + hand.kickerScore; }

}  // namespace trelvist
