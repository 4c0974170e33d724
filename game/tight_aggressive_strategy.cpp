// The tight-aggressive player: few starting hands, but raises with most of them.
#include "game/style_strategy.h"

namespace trelvist {

std::unique_ptr<SeatStrategy> makeTightAggressiveStrategy(const StrategyTools&) {
    constexpr StyleParams kParams{
        .enterScore = 7, .raisedScore = 7, .raiseScore = 6, .preflopBluff = 0.9,
        .callFactor = 4, .minShare = 1.6, .raiseShare = 0.5, .bluff = 0.7,
        .readsTable = false,
    };
    return std::make_unique<StyleStrategy>(kParams);
}

}  // namespace trelvist
