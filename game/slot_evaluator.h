#pragma once
// The evaluator that works on anything seven slots can hold: it counts slots, so a card held
// by two slots counts twice, and placeholder cards take part in the searches for the highest
// rank. evaluateHand hands it every holding but seven distinct real cards, and the tables
// that rank those are filled from it.
#include "game/cards.h"
#include "game/hand_score.h"

namespace trelvist {

HandScore evaluateSlots(const Card* slots);

}  // namespace trelvist
