// The tight-aggressive player: few starting hands, but raises with most of them.
#include "game/style_strategy.h"

namespace trelvist {

std::unique_ptr<SeatStrategy> makeTightAggressiveStrategy(const StrategyTools&) {
    constexpr StyleParams kParams{
        .enterScore = 7, .raisedScore = 8, .raiseScore = 7, .preflopBluff = 0.9,
        .callFactor = 1.2, .minShare = 0.9, .raiseShare = 0.8, .bluff = 0.35,
        .readsTable = false,
    };
    return std::make_unique<StyleStrategy>(kParams);
}

}  // namespace trelvist
