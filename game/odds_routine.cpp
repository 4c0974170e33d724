#include "game/odds_routine.h"

#include "game/evaluator.h"
#include "game/saturate.h"
#include "game/stir.h"

namespace trelvist {

namespace {

// The hand value of seven slots. Out of line: with the evaluator inlined three times into the
// routine, its loop ran about a tenth slower, short of registers for the stirring.
// The estimate fills the lookup tables before it calls this.
[[gnu::noinline]] int32_t handValueOf(const Card* slots) { return evaluateWithFilledTables(slots).handValue; }

int32_t levelDivisor(int32_t level) {
    switch (level) {
        case 400: return 4;
        case 600: return 6;
        case 800: return 8;
        case 900: return 9;
        case kAdviceLevel: return 20;
        default: return 0;  // any other level leaves the strength as it was
    }
}

// The fixed pre-flop adjustment for the two hole cards; later lines override earlier ones.
int holeCardAdjustment(const std::array<Card, 2>& hole) {
    const Card a = hole[0];
    const Card b = hole[1];
    const int r1 = a.rank, r2 = b.rank;
    const bool suited = a.suit == b.suit;
    int adjustment = 0;
    if (r1 > 4 && r2 > 7 && suited) adjustment = 7;
    if (r1 > 7 && r2 > 4 && suited) adjustment = 7;
    if (r1 > 6 && r2 > 6 && suited) adjustment = 7;
    if (r1 > 8 && r2 > 8) adjustment = 10;
    if (r1 > 7 && r2 > 7 && suited) adjustment = 12;
    if ((r1 < 4 || r2 < 4) && r1 != r2 && !suited) adjustment = -20;
    if (r1 < 6 && r2 < 6 && r1 != r2) adjustment = -20;
    return adjustment;
}

}  // namespace

OddsEstimate OddsRoutine::estimate(const std::array<Card, 2>& hole, int32_t level) {
    // Every street sets all seven slots before the first evaluation.
    std::array<Card, 7> slot{};
    const std::span<const Card, 5> board = table_.board();
    hand_tables::fill();
    Deck& odds = table_.oddsDeck;
    const int street = table_.street;
    int adjustment = 0;
    int64_t won = 0;
    bool noRaise = false;
    slot[0] = hole[0];
    slot[1] = hole[1];

    // The hand with the flop alone: the two unused slots hold cards that never count.
    auto withFlopOnly = [&] {
        slot[2] = board[0];
        slot[3] = board[1];
        slot[4] = board[2];
        slot[5] = kPlaceholder5;
        slot[6] = kPlaceholder6;
        return handValueOf(slot.data());
    };

    if (street == 1) {
        const int32_t v = withFlopOnly();
        const int r1 = slot[0].rank, r2 = slot[1].rank;
        // The strong-start bonus peeks at the flop the table does not show yet.
        if (level != kAdviceLevel &&
            ((v > 100 && r1 > 7 && r2 > 7) || (v > 108 && r1 > 5 && r2 > 8) || (v > 108 && r1 > 8 && r2 > 5)))
            adjustment = 20;
        if (adjustment != 20) adjustment = holeCardAdjustment(hole);
    } else if (random_.below(100) > 50) {
        noRaise = true;
    }
    if (street == 2) {
        const int32_t v = withFlopOnly();
        const auto belowFlopCard = [&](int32_t rank) {
            return rank < board[0].rank || rank < board[1].rank || rank < board[2].rank;
        };
        if ((v >= 100 && v <= 149 && belowFlopCard(v - 100)) || (v >= 200 && v <= 208 && belowFlopCard(v - 200)))
            noRaise = true;
    }

    const int realBoard = table_.boardShown();
    const int64_t deals = int64_t{level} + 1;
    for (int64_t simulated = 0; simulated < deals; ++simulated) {
        stirDeck(odds, 101, random_);
        slot[0] = hole[0];
        slot[1] = hole[1];
        // Pre-flop slots 5 and 6 keep what the last evaluation left in them.
        switch (street) {
            case 1: slot[2] = odds[48]; slot[3] = odds[49]; slot[4] = odds[50]; break;
            case 2: slot[2] = board[0]; slot[3] = board[1]; slot[4] = board[2]; slot[5] = odds[50]; slot[6] = odds[51]; break;
            case 3: for (int i = 0; i < 4; ++i) slot[2 + i] = board[i]; slot[6] = odds[51]; break;
            default: for (int i = 0; i < 5; ++i) slot[2 + i] = board[i]; break;
        }
        const int32_t subject = handValueOf(slot.data());

        // A deal is won when no simulated hand beats the subject, so the first that does ends it.
        bool beaten = false;
        for (int k = 0; k < 6 && !beaten; ++k) {
            for (int i = 0; i < 7; ++i) slot[i] = odds[7 * k + i];
            for (int i = 0; i < realBoard; ++i) slot[2 + i] = board[i];
            beaten = subject < handValueOf(slot.data());
        }
        if (!beaten) ++won;
        // The next pre-flop deal reads slots 5 and 6 as the last simulated hand left them.
        if (street == 1) {
            slot[5] = odds[40];
            slot[6] = odds[41];
        }
    }

    if (const int32_t divisor = levelDivisor(level)) strength_ = saturate(won / divisor);
    addTo(strength_, adjustment);
    return {strength_, noRaise};
}

}  // namespace trelvist
