// The hand evaluator over fixed sets of random seven-card hands: evaluated where they lie, and
// with the seven slots filled each time as the odds routine fills them. Each loop fills the
// lookup tables before it and ranks with evaluateWithFilledTables, as the game's loops do.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <random>
#include <vector>

#include "game/evaluator.h"

namespace {

using trelvist::Card;
using Hand = std::array<Card, 7>;

// Seven distinct cards each: the first seven of a deck shuffled that far.
std::vector<Hand> randomHands(std::size_t count, bool flopOnly) {
    std::mt19937_64 rng(12345);
    trelvist::Deck deck;
    trelvist::fillDeck(deck);
    std::vector<Hand> hands(count);
    for (Hand& hand : hands) {
        for (std::size_t i = 0; i < hand.size(); ++i)
            std::swap(deck[i], deck[i + rng() % (deck.size() - i)]);
        std::copy_n(deck.begin(), hand.size(), hand.begin());
        if (flopOnly) {
            hand[5] = trelvist::kPlaceholder5;
            hand[6] = trelvist::kPlaceholder6;
        }
    }
    return hands;
}

// Ten million hands (560 MB), far more than any cache holds, evaluated one after another as
// a table of dealt hands would be, their scores summed: the count of evaluations a second on
// seven distinct real cards.
void BM_TenMillionHands(benchmark::State& state) {
    static const auto hands = randomHands(10'000'000, false);
    trelvist::hand_tables::fill();
    int64_t total = 0;
    for (auto _ : state) {
        for (const Hand& hand : hands) {
            const trelvist::HandScore score = trelvist::evaluateWithFilledTables(hand.data());
            total += score.handValue + score.kickerScore;
        }
    }
    benchmark::DoNotOptimize(total);
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(hands.size()));
}

void evaluateCopies(benchmark::State& state, bool flopOnly) {
    constexpr std::size_t kCount = 1 << 16;
    const auto hands = randomHands(kCount, flopOnly);
    trelvist::hand_tables::fill();
    std::size_t i = 0;
    for (auto _ : state) {
        Hand slots = hands[i];
        benchmark::DoNotOptimize(slots);
        benchmark::DoNotOptimize(trelvist::evaluateWithFilledTables(slots.data()));
        i = (i + 1) & (kCount - 1);
    }
    state.SetItemsProcessed(state.iterations());
}

// Seven distinct cards: what the showdown and most of the odds routine evaluate.
void BM_SevenCards(benchmark::State& state) { evaluateCopies(state, false); }
// Five cards and the two placeholders: the odds routine's flop-only hands.
void BM_FlopWithPlaceholders(benchmark::State& state) { evaluateCopies(state, true); }

BENCHMARK(BM_TenMillionHands)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SevenCards);
BENCHMARK(BM_FlopWithPlaceholders);

}  // namespace
