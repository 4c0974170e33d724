// The table path of evaluateHand against the slot-counting path on every hand of seven
// distinct cards, 133,784,560 of them. Takes several seconds, so it is built only with
// -DTRELVIST_LONG_TESTS=ON.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "game/evaluator.h"
#include "game/slot_evaluator.h"

namespace trelvist {
namespace {

TEST(EvaluateHandEveryHand, TablesMatchSlotCounting) {
    Deck deck;
    fillDeck(deck);
    std::array<int, 7> at{};  // positions in the deck, increasing
    std::array<Card, 7> slots;
    int64_t hands = 0, mismatches = 0;
    // Walks the combinations in order: the last position that can move moves on, and every
    // position after it follows right behind.
    for (int i = 0; i < 7; ++i) at[i] = i;
    while (true) {
        for (int i = 0; i < 7; ++i) slots[i] = deck[at[i]];
        ++hands;
        const HandScore byTables = evaluateHand(slots.data());
        const HandScore bySlots = evaluateSlots(slots.data());
        if (!(byTables == bySlots) && ++mismatches <= 10) {
            std::string cards;
            for (int p : at) cards += std::to_string(p) + ' ';
            ADD_FAILURE() << "deck positions " << cards << "tables " << byTables.handValue << '/'
                          << byTables.kickerScore << ", slots " << bySlots.handValue << '/'
                          << bySlots.kickerScore;
        }
        int i = 6;
        while (i >= 0 && at[i] == kDeckSize - 7 + i) --i;
        if (i < 0) break;
        ++at[i];
        for (int j = i + 1; j < 7; ++j) at[j] = at[j - 1] + 1;
    }
    EXPECT_EQ(hands, 133784560);
    EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace trelvist
