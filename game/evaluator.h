#pragma once
// Ranks seven cards into a hand value and a kicker score, and names hand values.
#include <cstdint>
#include <string_view>

#include "game/cards.h"
#include "game/hand_score.h"
#include "game/hand_tables.h"
#include "game/slot_evaluator.h"

namespace trelvist {

// Reads seven slots: two hole cards, then five board cards. Slots hold real cards, the same
// card maybe more than once, or the odds routine's two placeholders; evaluateSlots takes any
// card at all. Allocates nothing.
//
// Seven distinct real cards, nearly every hand the game ranks, are ranked by table lookup
// here, inline, so that a loop over many hands (the odds meter's) pays no call for each;
// anything else goes to the slot-counting evaluator. The tables must be filled: such a loop
// calls hand_tables::fill() once before it. (Handing the tables in, or even an empty proof
// that they are filled, as a parameter had the compiler inline less of the odds meter's exact
// count.)
inline HandScore evaluateWithFilledTables(const Card* slots) {
    using namespace hand_tables;
    Lanes sum{}, any{};
#pragma GCC unroll 7  // the loop's own upkeep would cost about as much as the adding
    for (int i = 0; i < 7; ++i) {
        const Lanes entry = cardEntry(cardWord(slots[i]));
        sum += entry;
        any |= entry;
    }
    const uint64_t tally = sum[0];
    // A card held twice carries into other bits when the entries are added, not when or-ed.
    const Lanes carries = sum ^ any;
    const uint64_t repeated = carries[1];
    if (repeated | unusualTally(tally)) [[unlikely]] {
        if (repeated || !sevenRealCards(tally)) return evaluateSlots(slots);
        const uint64_t suitRanks = sum[1];
        return flushScore(suitRanks, flushSuit(tally));
    }
    return patternScore(tally);
}

// The same for a hand on its own: fills the tables first if no hand has been ranked yet.
inline HandScore evaluateHand(const Card* slots) {
    hand_tables::fill();
    return evaluateWithFilledTables(slots);
}

// The name a seat's status label shows for a hand value; empty for a value without one.
std::string_view handName(int32_t handValue);

}  // namespace trelvist
