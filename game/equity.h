#pragma once
// The human's chances to win or tie against opponents whose cards are unknown, as the odds
// meter shows them. Hands are compared exactly as the showdown compares them. Counted exactly
// where that is little work, sampled otherwise with a generator of its own, so the game's
// random generator is never touched.
#include <array>
#include <cstdint>

#include "game/cards.h"

namespace trelvist {

constexpr int kMaxOpponents = 7;

// Two hole cards, the board cards shown so far (0, 3, 4 or 5 of `board`, from the first), and
// how many opponents hold two random cards each from the unseen rest of the deck.
struct EquityQuestion {
    std::array<Card, 2> hole{};
    std::array<Card, 5> board{};
    int boardShown = 0;
    int opponents = 1;
    friend bool operator==(const EquityQuestion&, const EquityQuestion&) = default;
};

enum class EquityMethod { Exact, Sampled };

// Win: the human's score beats every opponent's. Tie: it equals the best of them.
struct Equity {
    double winPercent = 0;
    double tiePercent = 0;
    EquityMethod method = EquityMethod::Exact;
    uint64_t deals = 0;  // counted or sampled: the rest of the board and every opponent's cards
};

// Exact counting is chosen up to this many deals: heads-up from the flop on (at most
// 1,070,190) and two opponents on the river (893,970); the next larger cases are tens of
// millions.
constexpr uint64_t kExactDealLimit = 2'000'000;
// Sampled deals otherwise: enough that a figure lies within kSampledMargin percentage points
// of the exact one with 95 % confidence, even at 50 % where the spread is widest
// (1.96 * sqrt(0.25 / 40,000) = 0.49 %).
constexpr uint64_t kSampledDeals = 40'000;
constexpr double kSampledMargin = 0.5;

// Counts exactly when that takes at most kExactDealLimit deals, else samples kSampledDeals
// deals seeded from the question, so the same question always gets the same answer.
// Every function here throws std::invalid_argument for a board of another size, an opponent
// count outside 0..kMaxOpponents, or a card repeated or outside the deck.
Equity computeEquity(const EquityQuestion& question);

// Every deal of the unseen cards, each counted once; the answer's method is Exact.
Equity exactEquity(const EquityQuestion& question);

// `deals` random deals from a generator started at `seed`; the answer's method is Sampled.
Equity sampledEquity(const EquityQuestion& question, uint64_t deals, uint64_t seed);

// How many deals exactEquity would count; the largest uint64_t when that does not fit.
uint64_t exactDealCount(const EquityQuestion& question);

}  // namespace trelvist
