#include "game/always_call_strategy.h"

namespace trelvist {

bool AlwaysCallStrategy::staysIn(const SeatContext&) { return true; }

bool AlwaysCallStrategy::raises(const SeatContext&) { return false; }

}  // namespace trelvist
