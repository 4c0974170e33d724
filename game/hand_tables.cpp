// Builds the lookup tables: every rank pattern and every flush is ranked once, from an example
// hand, by the slot-counting evaluator.
#include "game/hand_tables.h"

#include <vector>

#include "game/slot_evaluator.h"

namespace trelvist::hand_tables {
namespace {

// How many cards of each rank a base-5 number over `ranks` ranks, starting at `firstRank`, says.
struct Counts {
    std::array<int, kRanks> held{};
    int cards = 0;
};
Counts countsOf(int number, int firstRank, int ranks) {
    Counts counts;
    for (int r = firstRank; r < firstRank + ranks; ++r, number /= 5) {
        counts.held[r] = number % 5;
        counts.cards += counts.held[r];
    }
    return counts;
}

Lanes entryOf(int suit, int rank) {
    uint64_t tally = 0;
    if (rank < kRanks) {
        tally = uint64_t{1} << (kSuitCountsAt + 4 * suit) | uint64_t{1} << kRealCardsAt;
        if (rank < kLowRanks) tally += uint64_t(power(5, rank));
        else tally += uint64_t(power(5, rank - kLowRanks)) << kHighPatternAt;
    }
    return Lanes{tally, uint64_t{1} << (16 * suit + rank)};
}

// Seven cards with the given rank counts and no flush: the cards are dealt to the suits in
// turn, so no suit gets more than two and no card comes twice.
HandScore scoreOfPattern(const Counts& low, const Counts& high) {
    std::array<Card, 7> hand;
    int dealt = 0;
    for (int r = 0; r < kRanks; ++r)
        for (int n = 0; n < low.held[r] + high.held[r]; ++n, ++dealt)
            hand[dealt] = Card{dealt % kSuits, r};
    return evaluateSlots(hand.data());
}

// The ranks of `suitRanks` in clubs, filled up to seven cards with Twos of the other suits.
HandScore scoreOfFlush(uint32_t suitRanks) {
    std::array<Card, 7> hand;
    int dealt = 0;
    for (int r = 0; r < kRanks; ++r)
        if (suitRanks >> r & 1) hand[dealt++] = Card{0, r};
    for (int suit = 1; dealt < 7; ++suit) hand[dealt++] = Card{suit, 0};
    return evaluateSlots(hand.data());
}

Tables build() {
    Tables t{};
    for (int suit = 0; suit < kSuits; ++suit)
        for (int rank = 0; rank < 16; ++rank) t.cards[16 * suit + rank] = entryOf(suit, rank);

    // The low-rank numbers by their number of cards; a column is a place in that list.
    std::array<std::vector<int>, 8> lowBySize;
    for (int low = 0; low < kLowPatterns; ++low) {
        const int cards = countsOf(low, 0, kLowRanks).cards;
        if (cards > 7) continue;
        t.columnOfLow[low] = static_cast<uint16_t>(lowBySize[cards].size());
        lowBySize[cards].push_back(low);
    }
    int rowStart = 0;
    for (int high = 0; high < kHighPatterns; ++high) {
        const Counts highCounts = countsOf(high, kLowRanks, kHighRanks);
        if (highCounts.cards > 7) continue;
        t.rowOfHigh[high] = static_cast<uint16_t>(rowStart);
        const std::vector<int>& lows = lowBySize[7 - highCounts.cards];
        for (int low : lows) {
            const HandScore score = scoreOfPattern(countsOf(low, 0, kLowRanks), highCounts);
            t.patterns.set(rowStart + t.columnOfLow[low], score);
        }
        rowStart += static_cast<int>(lows.size());
    }

    for (uint32_t suitRanks = 0; suitRanks < t.flushes.handValue.size(); ++suitRanks) {
        const int cards = std::popcount(suitRanks);
        if (cards >= 5 && cards <= 7) t.flushes.set(suitRanks, scoreOfFlush(suitRanks));
    }
    return t;
}

}  // namespace

const Tables kTables = build();

}  // namespace trelvist::hand_tables
