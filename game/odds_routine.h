#pragma once
// The odds routine: a Monte Carlo estimate of two hole cards against six simulated hands, as
// the classic opponents and the human's Advice use it. Its estimates build on one another
// (each adds its adjustment to the strength before), so one routine serves the whole table.
#include <array>
#include <cstdint>

#include "game/cards.h"
#include "game/random.h"
#include "game/table_state.h"

namespace trelvist {

// The level Advice simulates at: 2000 deals, rated on a finer scale.
constexpr int32_t kAdviceLevel = 2000;

struct OddsEstimate {
    int32_t strength;
    bool noRaise;  // the opponent must not raise, whatever the strength says
};

class OddsRoutine {
public:
    // Reads the table's street, board and odds deck, and stirs that deck with the table's
    // generator: the classic rules peek at the undealt flop before the flop.
    OddsRoutine(Random& random, TableState& table) : random_(random), table_(table) {}

    OddsEstimate estimate(const std::array<Card, 2>& hole, int32_t level);

    // The last estimate's strength, on which the next one builds.
    int32_t strength() const { return strength_; }
    void setStrength(int32_t strength) { strength_ = strength; }

private:
    Random& random_;
    TableState& table_;
    int32_t strength_ = 0;
};

}  // namespace trelvist
