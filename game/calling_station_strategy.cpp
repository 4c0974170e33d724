// The calling station: stays in with almost anything and hardly ever raises.
#include "game/style_strategy.h"

namespace trelvist {

std::unique_ptr<SeatStrategy> makeCallingStationStrategy(const StrategyTools&) {
    constexpr StyleParams kParams{
        .enterScore = 4, .raisedScore = 4, .raiseScore = 13, .preflopBluff = 0,
        .callFactor = 0.3, .minShare = 0.2, .raiseShare = 2.5, .bluff = 0,
        .readsTable = false,
    };
    return std::make_unique<StyleStrategy>(kParams);
}

}  // namespace trelvist
