#pragma once
// The tables that rank seven distinct real cards by lookup.
//
// Every card has an entry of two 64-bit lanes, and evaluateHand adds up the entries of its
// seven slots. The first lane is a tally:
//   bits  0..15  the counts of Twos to Sevens, as the digits of a base-5 number
//   bits 16..31  the number of cards of each suit, four bits a suit
//   bits 32..35  the number of real cards
//   bits 47..63  the counts of Eights to Aces, as the digits of a base-5 number
// and the second holds the card's own bit, 16 * suit + rank, so that the sum of seven of them
// is the ranks of each suit. With seven distinct real cards no field overflows into the next.
//
// A hand without a flush scores by its rank pattern (how many cards of each rank), which the
// two base-5 numbers give; a flush by the ranks of its suit. The scores are those of
// evaluateSlots for one example hand of every pattern and every flush, worked out during
// start-up.
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "game/cards.h"
#include "game/hand_score.h"

namespace trelvist::hand_tables {

// Two 64-bit lanes that add and or as one (a GCC vector type).
typedef uint64_t Lanes __attribute__((vector_size(16)));

constexpr int kSuits = 4;
constexpr int kLowRanks = 6;  // Two to Seven; Eight to Ace are the high ranks
constexpr int kHighRanks = kRanks - kLowRanks;

constexpr int kSuitCountsAt = 16;
constexpr int kRealCardsAt = 32;
constexpr int kHighPatternAt = 47;

constexpr int power(int base, int exponent) {
    return exponent == 0 ? 1 : base * power(base, exponent - 1);
}
constexpr int kLowPatterns = power(5, kLowRanks);    // base-5 numbers of the low ranks
constexpr int kHighPatterns = power(5, kHighRanks);

// The ways to share seven cards among the 13 ranks, no rank holding more than four.
constexpr int countPatterns(int ranks, int cards) {
    if (ranks == 0) return cards == 0;
    int ways = 0;
    for (int held = 0; held <= 4 && held <= cards; ++held)
        ways += countPatterns(ranks - 1, cards - held);
    return ways;
}
constexpr int kRankPatterns = countPatterns(kRanks, 7);

// Hand values reach 1000 and kicker scores 163, so a score takes three bytes in two arrays.
template <std::size_t N>
struct Scores {
    std::array<uint16_t, N> handValue;
    std::array<uint8_t, N> kickerScore;
    HandScore operator[](std::size_t i) const { return {handValue[i], kickerScore[i]}; }
    void set(std::size_t i, HandScore score) {
        handValue[i] = static_cast<uint16_t>(score.handValue);
        kickerScore[i] = static_cast<uint8_t>(score.kickerScore);
    }
};

struct Tables {
    // By 16 * suit + rank, ranks 13 to 15 included with an empty tally; one more entry only
    // pads the reads of cards that are no card (see cardEntry).
    std::array<Lanes, kSuits * 16 + 1> cards;
    // A pattern's index: the start of the row of its high-rank counts, plus the place of its
    // low-rank counts among those of the same number of cards.
    std::array<uint16_t, kHighPatterns> rowOfHigh;
    std::array<uint16_t, kLowPatterns> columnOfLow;
    Scores<kRankPatterns> patterns;
    Scores<1 << kRanks> flushes;  // by the ranks of the flush suit
};

// Built during static initialisation; nothing evaluates a hand before main.
extern const Tables kTables;

// A slot as one word: the suit in the low half, the rank in the high half.
inline uint64_t cardWord(const Card& card) {
    static_assert(sizeof(Card) == sizeof(uint64_t));
    uint64_t word;
    std::memcpy(&word, &card, sizeof word);
    return word;
}
static_assert(std::endian::native == std::endian::little, "cardWord puts the suit in the low half");

// Set in the word of a suit outside 0..3 or a rank outside 0..15; ranks 13 to 15 add no real
// card to the tally instead.
constexpr uint64_t kNoCardBits = 0xFFFF'FFF0'FFFF'FFFCull;

// The multiply moves a suit below 4 to bits 62 and 63 and a rank below 16 to bits 58 to 61;
// nothing else reaches bit 54, so shifting by 54 leaves the entry's byte offset, 16 * (16 *
// suit + rank). The low ones add only below bit 54; they keep the compiler from splitting the
// multiply into slower shifts and adds. Any other word gives some offset up to 1023, which
// the padding entry keeps inside the table; its entry is thrown away.
constexpr uint64_t kSpread = (uint64_t{1} << 62) + (uint64_t{1} << 26) + 0x1FFFF;

inline Lanes cardEntry(uint64_t word) {
    Lanes entry;
    const auto* table = reinterpret_cast<const std::byte*>(kTables.cards.data());
    std::memcpy(&entry, table + ((word * kSpread) >> 54), sizeof entry);
    return entry;
}

// Zero when the tally counts seven real cards and no suit holds five of them. Adding 3 to a
// suit's count sets its top bit from five cards up; adding 9 to the real cards clears the top
// bit of their count only at seven.
inline uint64_t unusualTally(uint64_t tally) {
    return ((tally >> kSuitCountsAt) + 0x9'3333) & 0x8'8888;
}
inline bool sevenRealCards(uint64_t tally) { return ((tally >> kRealCardsAt) & 0xF) == 7; }

// The suit that holds five or more of seven distinct cards; there is one at most.
inline int flushSuit(uint64_t tally) {
    const auto fiveOrMore = static_cast<uint32_t>(((tally >> kSuitCountsAt) + 0x3333) & 0x8888);
    return std::countr_zero(fiveOrMore) / 4;
}

inline HandScore patternScore(uint64_t tally) {
    const std::size_t row = kTables.rowOfHigh[tally >> kHighPatternAt];
    return kTables.patterns[row + kTables.columnOfLow[tally & ((1u << kSuitCountsAt) - 1)]];
}
inline HandScore flushScore(uint64_t suitRanks, int suit) {
    return kTables.flushes[(suitRanks >> (16 * suit)) & ((1u << kRanks) - 1)];
}

}  // namespace trelvist::hand_tables
