// The maniac: plays most hands and raises whenever it may.
#include "game/style_strategy.h"

namespace trelvist {

std::unique_ptr<SeatStrategy> makeManiacStrategy(const StrategyTools&) {
    constexpr StyleParams kParams{
        .enterScore = 2, .raisedScore = 2, .raiseScore = 2, .preflopBluff = 0.9,
        .callFactor = 2.5, .minShare = 1.6, .raiseShare = 0.0, .bluff = 1.0,
        .readsTable = false,
    };
    return std::make_unique<StyleStrategy>(kParams);
}

}  // namespace trelvist
