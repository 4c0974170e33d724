#pragma once
// How the game stirs a deck: swaps of two positions drawn at random.
#include <utility>

#include "game/cards.h"
#include "game/random.h"

namespace trelvist {

// Swaps `times` pairs of positions, each pair two draws below 52. A pair may draw the same
// position twice, so not every swap moves a card.
inline void stirDeck(Deck& deck, int times, Random& rng) {
    rng.pairsBelow(kDeckSize, times, [&deck](int a, int b) { std::swap(deck[a], deck[b]); });
}

}  // namespace trelvist
