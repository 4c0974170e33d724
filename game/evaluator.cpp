// evaluateHand: every holding by counting slots.
#include "game/evaluator.h"

#include "game/slot_evaluator.h"

namespace trelvist {

HandScore evaluateHand(const Card* slots) { return evaluateSlots(slots); }

}  // namespace trelvist
