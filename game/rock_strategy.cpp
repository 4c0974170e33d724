// The rock: plays only the best starting hands and seldom raises without a strong one.
#include "game/style_strategy.h"

namespace trelvist {

std::unique_ptr<SeatStrategy> makeRockStrategy(const StrategyTools&) {
    constexpr StyleParams kParams{
        .enterScore = 10, .raisedScore = 12, .raiseScore = 12, .preflopBluff = 0,
        .callFactor = 1.5, .minShare = 1.0, .raiseShare = 1.6, .bluff = 0,
        .readsTable = false,
    };
    return std::make_unique<StyleStrategy>(kParams);
}

}  // namespace trelvist
