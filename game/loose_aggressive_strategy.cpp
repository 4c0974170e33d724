// The loose-aggressive player: many starting hands, raised often, and keeps betting.
#include "game/style_strategy.h"

namespace trelvist {

std::unique_ptr<SeatStrategy> makeLooseAggressiveStrategy(const StrategyTools&) {
    constexpr StyleParams kParams{
        .enterScore = 6, .raisedScore = 7, .raiseScore = 7, .preflopBluff = 0.5,
        .callFactor = 0.9, .minShare = 0.6, .raiseShare = 1.0, .bluff = 0.15,
        .readsTable = false,
    };
    return std::make_unique<StyleStrategy>(kParams);
}

}  // namespace trelvist
