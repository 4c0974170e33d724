// The shark: enters on fair hands and on cheap calls into big pots, then pays only what its
// chances are worth, weighing its position and how often each seat raises.
#include "game/style_strategy.h"

namespace trelvist {

std::unique_ptr<SeatStrategy> makeSharkStrategy(const StrategyTools&) {
    constexpr StyleParams kParams{
        .enterScore = 5, .raisedScore = 6, .raiseScore = 9, .preflopBluff = 0,
        .callFactor = 1.0, .minShare = 0.7, .raiseShare = 1.3, .bluff = 0,
        .readsTable = true,
    };
    return std::make_unique<StyleStrategy>(kParams);
}

}  // namespace trelvist
