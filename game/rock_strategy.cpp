// The rock: plays only the best starting hands and seldom raises without a strong one.
#include "game/style_strategy.h"

namespace trelvist {

std::unique_ptr<SeatStrategy> makeRockStrategy(const StrategyTools&) {
    constexpr StyleParams kParams{
        .enterScore = 9, .raisedScore = 9, .raiseScore = 9, .preflopBluff = 0.1,
        .callFactor = 1.8, .minShare = 1.0, .raiseShare = 1.2, .bluff = 0.2,
        .readsTable = false,
    };
    return std::make_unique<StyleStrategy>(kParams);
}

}  // namespace trelvist
