#pragma once
// The game's own opponent: it stays in while the odds routine's strength clears the street's
// threshold, and raises on a roll that grows with the strength. It decides on the table's
// odds routine, which also peeks at the undealt flop before the flop, as the game always did.
#include "game/strategies.h"

namespace trelvist {

class ClassicStrategy : public SeatStrategy {
public:
    explicit ClassicStrategy(const StrategyTools& tools) : odds_(tools.odds), random_(tools.random) {}

    bool staysIn(const SeatContext& context) override;
    bool raises(const SeatContext& context) override;

private:
    OddsRoutine& odds_;
    Random& random_;
};

}  // namespace trelvist
