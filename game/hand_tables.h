#pragma once
// The tables that rank seven distinct real cards by lookup.
//
// Every real card has an entry of two 64-bit lanes, and evaluateHand adds up the entries of
// its seven slots. The first lane is a tally:
//   bits  0..15  the counts of Twos to Sevens, as the digits of a base-5 number
//   bits 16..31  the number of cards of each suit, four bits a suit
//   bits 32..35  the number of real cards
//   bits 47..63  the counts of Eights to Aces, as the digits of a base-5 number
// and the second holds the card's own bit, 16 * suit + rank, so that the sum of seven of them
// is the ranks of each suit. With seven distinct real cards no field overflows into the next.
//
// A hand without a flush scores by its rank pattern (how many cards of each rank), which the
// two base-5 numbers give; a flush by the ranks of its suit. The scores are those of
// evaluateSlots for one example hand of every pattern and every flush, worked out when a hand
// is first ranked, so that a program that ranks none never pays for them.
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

// A slot's entry is read at the byte offset the top 11 bits of a product give (see cardEntry).
// Real cards have theirs at 16 * (13 * suit + rank); the rest of the 2048 bytes, and one more
// entry for reads that start near their end, is empty.
constexpr int kOffsetBits = 11;
constexpr std::size_t kCardEntries = (std::size_t{1} << kOffsetBits) / sizeof(Lanes) + 1;

struct Tables {
    std::array<Lanes, kCardEntries> cards;
    // A pattern's index: the start of the row of its high-rank counts, plus the place of its
    // low-rank counts among those of the same number of cards.
    std::array<uint16_t, kHighPatterns> rowOfHigh;
    std::array<uint16_t, kLowPatterns> columnOfLow;
    Scores<kRankPatterns> patterns;
    Scores<1 << kRanks> flushes;  // by the ranks of the flush suit
};

namespace detail {
// All zero until fill() fills it: nothing runs for the tables at start-up.
extern constinit Tables tables;
}  // namespace detail

// Fills the tables at the first call, once, also when threads call it at the same time, and
// allocates nothing, as the evaluator does not. A loop over many hands calls it once, before
// the loop. Out of line, so that neither the check nor the filling takes registers from the
// caller's loop.
void fill();

// A slot as one word: the suit in the low half, the rank in the high half.
constexpr uint64_t cardWord(const Card& card) { return std::bit_cast<uint64_t>(card); }
static_assert(std::endian::native == std::endian::little, "cardWord puts the suit in the low half");

// The multiply puts suit * 208 + rank * 16 in the top 11 bits, 208 being 13 entries of 16
// bytes: the suit times 208 << 53 gives the first, the rank (in the high half of the word)
// times 16 << 21 the second. The low ones add too little to reach them; they keep the
// compiler from splitting the multiply into slower shifts and adds. Whatever the word, the
// offset is below 2048, so every read stays inside the table.
constexpr uint64_t kSpread = (uint64_t{208} << 53) + (uint64_t{16} << 21) + 0x1FFFF;

constexpr std::size_t entryOffset(uint64_t word) { return (word * kSpread) >> (64 - kOffsetBits); }

// Real cards and the odds routine's two placeholders are the only cards the game puts in
// slots. The placeholders' reads lie wholly in the empty part of the table, so they add no
// real card to the tally and send the hand to slot counting: no slot needs a test of its own.
constexpr bool realCardsHaveTheirEntries() {
    for (int suit = 0; suit < kSuits; ++suit)
        for (int rank = 0; rank < kRanks; ++rank)
            if (entryOffset(cardWord(Card{suit, rank})) != sizeof(Lanes) * (kRanks * suit + rank))
                return false;
    return true;
}
constexpr bool readsOnlyEmptyEntries(Card card) {
    return entryOffset(cardWord(card)) >= sizeof(Lanes) * kRanks * kSuits;
}
static_assert(realCardsHaveTheirEntries());
static_assert(readsOnlyEmptyEntries(kPlaceholder5) && readsOnlyEmptyEntries(kPlaceholder6));

inline Lanes cardEntry(uint64_t word) {
    Lanes entry;
    std::memcpy(&entry, reinterpret_cast<const std::byte*>(detail::tables.cards.data()) + entryOffset(word),
                sizeof entry);
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
    const std::size_t row = detail::tables.rowOfHigh[tally >> kHighPatternAt];
    return detail::tables.patterns[row + detail::tables.columnOfLow[tally & ((1u << kSuitCountsAt) - 1)]];
}
inline HandScore flushScore(uint64_t suitRanks, int suit) {
    return detail::tables.flushes[(suitRanks >> (16 * suit)) & ((1u << kRanks) - 1)];
}

}  // namespace trelvist::hand_tables
