#pragma once
// A plain calling policy: it stays in against every bet and never raises. It draws nothing
// from the table's generator, so it leaves the deals to the other seats' draws alone.
#include "game/strategies.h"

namespace trelvist {

class AlwaysCallStrategy : public SeatStrategy {
public:
    explicit AlwaysCallStrategy(const StrategyTools&) {}

    bool staysIn(const SeatContext& context) override;
    bool raises(const SeatContext& context) override;
};

}  // namespace trelvist
