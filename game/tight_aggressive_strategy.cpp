// The tight-aggressive player: few starting hands, but raises with most of them.
#include "game/style_strategy.h"

namespace trelvist {

std::unique_ptr<SeatStrategy> makeTightAggressiveStrategy(const StrategyTools&) {
    constexpr StyleParams kParams{
        .enterScore = 8, .raisedScore = 9, .raiseScore = 9, .preflopBluff = 0.3,
        .callFactor = 1.2, .minShare = 0.9, .raiseShare = 1.3, .bluff = 0.05,
        .readsTable = false,
    };
    return std::make_unique<StyleStrategy>(kParams);
}

}  // namespace trelvist
