// The loose-aggressive player: many starting hands, raised often, and keeps betting.
#include "game/style_strategy.h"

namespace trelvist {

std::unique_ptr<SeatStrategy> makeLooseAggressiveStrategy(const StrategyTools&) {
    constexpr StyleParams kParams{
        .enterScore = 6, .raisedScore = 6, .raiseScore = 5, .preflopBluff = 0.9,
        .callFactor = 5, .minShare = 2.2, .raiseShare = 0.2, .bluff = 0.9,
        .readsTable = false,
    };
    return std::make_unique<StyleStrategy>(kParams);
}

}  // namespace trelvist
