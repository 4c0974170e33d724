// Ranks seven slots with bit masks. Slots may hold the same card twice, so everything counts
// slots, not distinct cards: the tally keeps how many slots hold each rank and each suit,
// besides the ranks each suit holds.
#include "game/slot_evaluator.h"

#include <algorithm>
#include <array>
#include <bit>
#include <functional>

namespace trelvist {
namespace {

constexpr int kSlots = 7;
constexpr int kSuits = 4;
constexpr uint32_t kRankBits = (1u << kRanks) - 1;

constexpr uint32_t bit(int rank) { return 1u << rank; }
constexpr uint32_t onlyIf(bool on, uint32_t mask) { return mask & (0u - on); }  // no branch

// The highest rank of a set; 0 for an empty set, which the kicker sums count as 0 anyway.
constexpr int topRank(uint32_t ranks) { return 31 ^ std::countl_zero(ranks | 1); }

// Slot counts, at most 7 each, in one word: four bits per rank (bits 0..51) and three per
// suit (from bit 52), so that a card adds its one to both at once and no count carries.
constexpr uint64_t kRankOnes = 0x1111111111111;  // a one in every rank's count
constexpr int kSuitCountsAt = 52;

// The ranks held by n or more slots, as the top bits of their counts: adding 8 - n carries
// a count of n or more into its top bit.
constexpr uint64_t atLeast(uint64_t counts, int n) {
    return (counts + kRankOnes * (8 - n)) & (kRankOnes * 8);
}
constexpr int topCounted(uint64_t countTops) { return (63 ^ std::countl_zero(countTops | 1)) >> 2; }
constexpr uint64_t countTop(int rank) { return uint64_t{8} << (4 * rank); }

// One card's slot counts, indexed by suit * 16 + rank: a one for its rank and one for its suit.
constexpr std::array<uint64_t, 16 * kSuits> kCardCounts = [] {
    std::array<uint64_t, 16 * kSuits> counts{};
    for (int s = 0; s < kSuits; ++s)
        for (int r = 0; r < kRanks; ++r)
            counts[16 * s + r] = (uint64_t{1} << (4 * r)) | (uint64_t{1} << (kSuitCountsAt + 3 * s));
    return counts;
}();

struct Tally {
    uint64_t suitRanks = 0;  // 16 bits per suit: the ranks it holds
    uint64_t counts = 0;

    void add(Card c) {
        const auto at = static_cast<uint32_t>(16 * c.suit + c.rank);
        suitRanks |= uint64_t{1} << at;
        counts += kCardCounts[at];
    }

    // The suit held by five or more slots (with seven slots at most one is), or -1. A
    // three-bit count is 5..7 when its 4 bit is set together with its 2 or its 1 bit.
    int flushSuit() const {
        const auto suits = static_cast<uint32_t>(counts >> kSuitCountsAt);
        const uint32_t fives = suits & ((suits << 1) | (suits << 2)) & 0x924;
        return fives ? std::countr_zero(fives) / 3 : -1;
    }
    uint32_t ranksOfSuit(int suit) const { return (suitRanks >> (16 * suit)) & kRankBits; }
    uint32_t ranks() const {
        const uint64_t halves = suitRanks | (suitRanks >> 32);
        return static_cast<uint32_t>(halves | (halves >> 16)) & kRankBits;
    }
};

// Suits 0..3 and ranks 0..12 leave the bits from 2 up of the suit, and from 4 up of the rank
// and of the rank + 3, clear; any other value sets one of them. No branch per slot.
bool hasPlaceholder(const Card* slots) {
    uint32_t suitBits = 0, rankBits = 0;
#pragma GCC unroll 7
    for (int i = 0; i < kSlots; ++i) {
        const auto rank = static_cast<uint32_t>(slots[i].rank);
        suitBits |= static_cast<uint32_t>(slots[i].suit);
        rankBits |= rank | (rank + 3);
    }
    return (suitBits >> 2) | (rankBits >> 4);
}

constexpr bool isPlaceholder(Card c) {
    return static_cast<uint32_t>(c.suit) >= kSuits || static_cast<uint32_t>(c.rank) >= kRanks;
}

// The top rank of the highest run of five ranks, 3 for Ace-Two-Three-Four-Five; -1 if none.
constexpr int straightTop(uint32_t ranks) {
    const uint32_t x = (ranks << 1) | (ranks >> (kRanks - 1));  // bit 0: the Ace below the Two
    const uint32_t runs = x & (x >> 1) & (x >> 2) & (x >> 3) & (x >> 4);
    return runs ? topRank(runs) + 3 : -1;
}

// Kicker sums are unsigned: a placeholder's rank may be any 32-bit number, and a sum of such
// then wraps instead of overflowing.
constexpr HandScore scored(uint32_t handValue, uint32_t kickerScore) {
    return {static_cast<int32_t>(handValue), static_cast<int32_t>(kickerScore)};
}

// Hands out the ranks of a set from the highest down; 0 once none is left.
class MaskKickers {
public:
    explicit MaskKickers(uint32_t ranks) : ranks_(ranks) {}
    uint32_t next() {
        const int r = topRank(ranks_);
        ranks_ &= ~bit(r);
        return r;
    }

private:
    uint32_t ranks_;
};

// Kicker candidates of seven real cards: their distinct ranks.
struct RealPool {
    uint32_t ranks;
    MaskKickers kickers(uint32_t used) const { return MaskKickers(ranks & ~used); }
};

// Hands out the values of a descending list from the highest down, skipping the ranks in
// `used`; 0 once none is left.
class ListKickers {
public:
    ListKickers(const int32_t* begin, const int32_t* end, uint32_t used)
        : at_(begin), end_(end), used_(used) {}
    uint32_t next() {
        while (at_ != end_) {
            const int32_t v = *at_++;
            if (v < 0 || v >= kRanks || !(used_ & bit(v))) return v;
        }
        return 0;
    }

private:
    const int32_t* at_;
    const int32_t* end_;
    uint32_t used_;
};

// Kicker candidates when placeholders are present: the distinct ranks of every slot,
// placeholders included, since they take part in every search for the highest rank.
class PlaceholderPool {
public:
    explicit PlaceholderPool(const Card* slots) {
        for (int i = 0; i < kSlots; ++i) values_[i] = slots[i].rank;
        std::sort(values_.begin(), values_.end(), std::greater<>());
        end_ = std::unique(values_.begin(), values_.end());
    }
    ListKickers kickers(uint32_t used) const { return ListKickers(values_.data(), end_, used); }

private:
    std::array<int32_t, kSlots> values_;
    const int32_t* end_;
};

// Runs the tests in their fixed order; the first that matches gives the score. Categories
// come from the real cards alone; kickers come from the pool.
template <class Pool>
HandScore score(const Tally& t, const Pool& pool) {
    if (const int suit = t.flushSuit(); suit >= 0) {
        const uint32_t suited = t.ranksOfSuit(suit);
        if (const int top = straightTop(suited); top >= 0) return scored(1000, top);
        MaskKickers k(suited);
        const uint32_t r1 = k.next(), r2 = k.next(), r3 = k.next(), r4 = k.next(), r5 = k.next();
        return scored(450 + r1, 10 * r2 + r3 + r4 + r5);
    }
    if (const int top = straightTop(t.ranks()); top >= 0) return scored(400 + top, 0);
    if (const uint64_t fours = atLeast(t.counts, 4)) return scored(800 + topCounted(fours), 0);
    const uint64_t pairs = atLeast(t.counts, 2);
    if (const uint64_t threes = atLeast(t.counts, 3)) {
        const int three = topCounted(threes);
        if (const uint64_t others = pairs & ~countTop(three))
            return scored(500 + three, 5 * topCounted(others));
        auto k = pool.kickers(bit(three));
        const uint32_t k1 = k.next(), k2 = k.next();
        return scored(300 + three, 5 * k1 + k2);
    }
    // Two pair, one pair or high card. Random hands fall among these three too evenly for
    // branches to be guessed right, so all three are worked out and one is picked by index.
    const uint64_t lowerPairs = pairs & ~countTop(topCounted(pairs));
    const int high = topCounted(pairs), low = topCounted(lowerPairs);
    auto k = pool.kickers(onlyIf(pairs != 0, bit(high)) | onlyIf(lowerPairs != 0, bit(low)));
    const uint32_t k1 = k.next(), k2 = k.next(), k3 = k.next();
    const HandScore byPairs[] = {
        scored(k1, 10 * k2 + k3),
        scored(100 + high, 10 * k1 + 3 * k2 + k3),
        scored(200 + high, 10 * low + k1),
    };
    return byPairs[(pairs != 0) + (lowerPairs != 0)];
}

// Placeholders never pair, join a run or complete a suit: they stay out of the tally.
[[gnu::cold, gnu::noinline]] HandScore scoreWithPlaceholders(const Card* slots) {
    Tally t;
    for (int i = 0; i < kSlots; ++i)
        if (!isPlaceholder(slots[i])) t.add(slots[i]);
    return score(t, PlaceholderPool(slots));
}

}  // namespace

HandScore evaluateSlots(const Card* slots) {
    if (hasPlaceholder(slots)) [[unlikely]]
        return scoreWithPlaceholders(slots);
    Tally t;
#pragma GCC unroll 7  // the loop's own upkeep would cost about as much as the adding
    for (int i = 0; i < kSlots; ++i) t.add(slots[i]);
    return score(t, RealPool{t.ranks()});
}

}  // namespace trelvist
