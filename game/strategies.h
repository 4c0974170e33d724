#pragma once
// The opponents' strategies by name. A new one is a file of its own plus one line in
// strategies.cpp.
#include <memory>
#include <span>
#include <string_view>

#include "game/odds_routine.h"
#include "game/random.h"
#include "game/seat_strategy.h"

namespace trelvist {

// What the table lends its strategies: its odds routine and its generator, so that their
// draws are the game's draws, in the order of play.
struct StrategyTools {
    OddsRoutine& odds;
    Random& random;
};

struct StrategyEntry {
    const char* name;
    std::unique_ptr<SeatStrategy> (*make)(const StrategyTools&);
};

// Every registered strategy, the game's own "Classic" first.
std::span<const StrategyEntry> strategies();

// The strategy of that name, or none for a name nobody registered.
std::unique_ptr<SeatStrategy> makeStrategy(std::string_view name, const StrategyTools& tools);

}  // namespace trelvist
