#pragma once
// Ranks seven cards into a hand value and a kicker score, and names hand values.
#include <cstdint>
#include <string_view>

#include "game/cards.h"

namespace trelvist {

struct HandScore {
    int32_t handValue = 0;
    int32_t kickerScore = 0;
    friend bool operator==(const HandScore&, const HandScore&) = default;
};

// The showdown ranks hands by this score: the hand value first, the kicker score within it.
constexpr int32_t showdownScore(HandScore hand) { return 130 * hand.handValue + hand.kickerScore; }

// Reads seven slots: two hole cards, then five board cards. Slots may hold the same card
// twice, and placeholder cards (suit and rank outside 0..3 and 0..12). Allocates nothing.
HandScore evaluateHand(const Card* slots);

// The name a seat's status label shows for a hand value; empty for a value without one.
std::string_view handName(int32_t handValue);

}  // namespace trelvist
