// evaluateHand: seven distinct real cards by table lookup, anything else by counting slots.
#include "game/evaluator.h"

#include "game/hand_tables.h"
#include "game/slot_evaluator.h"

namespace trelvist {

HandScore evaluateHand(const Card* slots) {
    using namespace hand_tables;
    uint64_t words = 0;
    Lanes sum{}, any{};
#pragma GCC unroll 7  // the loop's own upkeep would cost about as much as the adding
    for (int i = 0; i < 7; ++i) {
        const uint64_t word = cardWord(slots[i]);
        words |= word;
        const Lanes entry = cardEntry(word);
        sum += entry;
        any |= entry;
    }
    const uint64_t tally = sum[0];
    // A card held twice carries into other bits when the entries are added, not when or-ed.
    const Lanes carries = sum ^ any;
    const uint64_t notSevenCards = (words & kNoCardBits) | carries[1];
    if (notSevenCards | unusualTally(tally)) [[unlikely]] {
        if (notSevenCards || !sevenRealCards(tally)) return evaluateSlots(slots);
        const uint64_t suitRanks = sum[1];
        return flushScore(suitRanks, flushSuit(tally));
    }
    return patternScore(tally);
}

}  // namespace trelvist
