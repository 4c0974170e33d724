// The maniac: plays most hands and raises whenever it may.
#include "game/style_strategy.h"

namespace trelvist {

std::unique_ptr<SeatStrategy> makeManiacStrategy(const StrategyTools&) {
    constexpr StyleParams kParams{
        .enterScore = 2, .raisedScore = 2, .raiseScore = 2, .preflopBluff = 0.9,
        .callFactor = 0.5, .minShare = 0.3, .raiseShare = 0.2, .bluff = 0.95,
        .readsTable = false,
    };
    return std::make_unique<StyleStrategy>(kParams);
}

}  // namespace trelvist
