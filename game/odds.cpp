// The odds routine: a Monte Carlo estimate of a two-card hand against six simulated hands,
// used by every opponent decision and by the human's Advice.
#include "game/evaluator.h"
#include "game/saturate.h"
#include "game/stir.h"
#include "game/table.h"

namespace trelvist {

namespace {

constexpr int32_t kAdviceLevel = 2000;

// The hand value of seven slots. Out of line: with the evaluator inlined three times into the
// routine, its loop ran about a tenth slower, short of registers for the stirring.
// estimateOdds fills the lookup tables before it calls this.
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

struct Rating {
    int32_t below;
    bool onlyPreflop, onlyLater;
    int left;
    const char* caption;
};
// Tested in order; each test that holds overrides the earlier ones.
constexpr Rating kRatings[] = {
    {200, false, false, 70, "Excellent"},
    {60, false, false, 92, "Great"},
    {50, false, false, 70, "Very Good"},
    {40, false, false, 97, "Good"},
    {30, false, false, 75, "Average"},
    {20, true, false, 36, "Below Average"},
    {15, false, true, 36, "Below Average"},
    {5, false, false, 97, "Poor"},
};

}  // namespace

// The fixed pre-flop adjustment for the two hole cards; later lines override earlier ones.
int Table::holeCardAdjustment() const {
    const Card a = s_.subject()[0];
    const Card b = s_.subject()[1];
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

OddsEstimate Table::estimateOdds() {
    const std::span<Card, 7> slot = s_.evalSlots();
    const std::span<const Card, 5> board = s_.board();
    hand_tables::fill();
    Deck& odds = s_.oddsDeck;
    const int street = s_.street;
    int adjustment = 0;
    int64_t won = 0;
    bool noRaise = false;
    slot[0] = s_.subject()[0];
    slot[1] = s_.subject()[1];

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
        if (s_.aiLevel != kAdviceLevel &&
            ((v > 100 && r1 > 7 && r2 > 7) || (v > 108 && r1 > 5 && r2 > 8) || (v > 108 && r1 > 8 && r2 > 5)))
            adjustment = 20;
        if (adjustment != 20) adjustment = holeCardAdjustment();
    } else if (rng_.below(100) > 50) {
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

    const int realBoard = s_.boardShown();
    const int64_t deals = int64_t{s_.aiLevel} + 1;
    for (int64_t simulated = 0; simulated < deals; ++simulated) {
        stirDeck(odds, 101, rng_);
        slot[0] = s_.subject()[0];
        slot[1] = s_.subject()[1];
        // Pre-flop slots 5 and 6 keep what the last evaluation left in them.
        switch (street) {
            case 1: slot[2] = odds[48]; slot[3] = odds[49]; slot[4] = odds[50]; break;
            case 2: slot[2] = board[0]; slot[3] = board[1]; slot[4] = board[2]; slot[5] = odds[50]; slot[6] = odds[51]; break;
            case 3: for (int i = 0; i < 4; ++i) slot[2 + i] = board[i]; slot[6] = odds[51]; break;
            default: for (int i = 0; i < 5; ++i) slot[2 + i] = board[i]; break;
        }
        const int32_t subject = handValueOf(slot.data());

        int matched = 0;
        for (int k = 0; k < 6; ++k) {
            for (int i = 0; i < 7; ++i) slot[i] = odds[7 * k + i];
            for (int i = 0; i < realBoard; ++i) slot[2 + i] = board[i];
            if (subject >= handValueOf(slot.data())) ++matched;
        }
        if (matched == 6) ++won;
    }

    if (const int32_t divisor = levelDivisor(s_.aiLevel)) s_.strength = saturate(won / divisor);
    addTo(s_.strength, adjustment);
    return {s_.strength, noRaise};
}

bool Table::advice() {
    beginAction();
    copyHoleToSubject(You);
    const int32_t level = s_.aiLevel;
    s_.aiLevel = kAdviceLevel;
    estimateOdds();
    s_.aiLevel = level;
    if (s_.strength < 0) s_.strength = 1;
    for (const Rating& rating : kRatings) {
        if (s_.strength >= rating.below) continue;
        if (rating.onlyPreflop && s_.street != 1) continue;
        if (rating.onlyLater && s_.street == 1) continue;
        display_.prob = {rating.caption, rating.left};
    }
    host_.showWindow(ModalWindow::Odds);
    return true;
}

}  // namespace trelvist
