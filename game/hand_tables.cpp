// Builds the lookup tables: every rank pattern and every flush is ranked once, from an example
// hand, by the slot-counting evaluator.
#include "game/hand_tables.h"

#include "game/slot_evaluator.h"

namespace trelvist::hand_tables {
namespace {

// A real card's entry, laid out as hand_tables.h describes.
Lanes entryOf(int suit, int rank) {
    uint64_t tally = uint64_t{1} << (kSuitCountsAt + 4 * suit) | uint64_t{1} << kRealCardsAt;
    if (rank < kLowRanks) tally += uint64_t(power(5, rank));
    else tally += uint64_t(power(5, rank - kLowRanks)) << kHighPatternAt;
    return Lanes{tally, uint64_t{1} << (16 * suit + rank)};
}

// The number of cards a base-5 number of rank counts stands for: the sum of its digits.
int cardsOfNumber(int number) {
    int cards = 0;
    for (; number > 0; number /= 5) cards += number % 5;
    return cards;
}

// Numbers the patterns: a low-rank number's column is its place among the low-rank numbers of
// as many cards, and a high-rank number's row starts where the previous row, of all the
// low-rank numbers that make up seven cards with it, ended.
void numberPatterns(Tables& t) {
    std::array<int, 8> lowsOfSize{};
    for (int low = 0; low < kLowPatterns; ++low) {
        const int cards = cardsOfNumber(low);
        if (cards <= 7) t.columnOfLow[low] = static_cast<uint16_t>(lowsOfSize[cards]++);
    }
    int rowStart = 0;
    for (int high = 0; high < kHighPatterns; ++high) {
        const int cards = cardsOfNumber(high);
        if (cards > 7) continue;
        t.rowOfHigh[high] = static_cast<uint16_t>(rowStart);
        rowStart += lowsOfSize[7 - cards];
    }
}

// Scores every rank pattern from an example hand: the ranks are walked from Two up, each
// taking zero to four of the cards still to deal, and the cards are dealt to the suits in
// turn, so no suit gets more than two (no flush) and no card comes twice.
class PatternWalk {
public:
    explicit PatternWalk(Tables& t) : t_(t) {}

    void walk(int rank, int dealt, uint32_t low, uint32_t high) {
        if (dealt == 7) return score(low, high);
        if (rank == kRanks) return;
        const bool isLow = rank < kLowRanks;
        const uint32_t digit = power(5, isLow ? rank : rank - kLowRanks);  // one card of the rank
        for (int held = 0; held <= 4 && dealt + held <= 7; ++held) {
            if (held > 0) hand_[dealt + held - 1] = Card{(dealt + held - 1) % kSuits, rank};
            const uint32_t added = held * digit;
            walk(rank + 1, dealt + held, isLow ? low + added : low, isLow ? high : high + added);
        }
    }

private:
    void score(uint32_t low, uint32_t high) {
        const std::size_t index = std::size_t{t_.rowOfHigh[high]} + t_.columnOfLow[low];
        t_.patterns.set(index, evaluateSlots(hand_.data()));
    }

    Tables& t_;
    std::array<Card, 7> hand_;
};

// The ranks of `suitRanks` in clubs, filled up to seven cards with Twos of the other suits.
HandScore scoreOfFlush(uint32_t suitRanks) {
    std::array<Card, 7> hand;
    int dealt = 0;
    for (int r = 0; r < kRanks; ++r)
        if (suitRanks >> r & 1) hand[dealt++] = Card{0, r};
    for (int suit = 1; dealt < 7; ++suit) hand[dealt++] = Card{suit, 0};
    return evaluateSlots(hand.data());
}

// `t` starts out all zero, as its empty entries must stay.
void build(Tables& t) {
    for (int suit = 0; suit < kSuits; ++suit)
        for (int rank = 0; rank < kRanks; ++rank) t.cards[kRanks * suit + rank] = entryOf(suit, rank);
    numberPatterns(t);
    PatternWalk(t).walk(0, 0, 0, 0);
    for (uint32_t suitRanks = 0; suitRanks < t.flushes.handValue.size(); ++suitRanks) {
        const int cards = std::popcount(suitRanks);
        if (cards >= 5 && cards <= 7) t.flushes.set(suitRanks, scoreOfFlush(suitRanks));
    }
}

}  // namespace

constinit Tables detail::tables{};

void fill() {
    // A function-local static is initialised once, and other threads wait for it.
    static const bool done = (build(detail::tables), true);
    (void)done;
}

}  // namespace trelvist::hand_tables
