// evaluateHand over fixed sets of random seven-card hands: evaluated where they lie, and with
// the seven slots filled each time as the odds routine fills them.
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

// A million hands (56 MB), far more than any cache holds, each evaluated in place: the count
// of evaluations a second on seven distinct real cards.
void BM_MillionHandsInPlace(benchmark::State& state) {
    constexpr std::size_t kCount = 1 << 20;  // a power of two, so the walk wraps with a mask
    const auto hands = randomHands(kCount, false);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(trelvist::evaluateHand(hands[i].data()));
        i = (i + 1) & (kCount - 1);
    }
    state.SetItemsProcessed(state.iterations());
}

void evaluateCopies(benchmark::State& state, bool flopOnly) {
    constexpr std::size_t kCount = 1 << 16;
    const auto hands = randomHands(kCount, flopOnly);
    std::size_t i = 0;
    for (auto _ : state) {
        Hand slots = hands[i];
        benchmark::DoNotOptimize(slots);
        benchmark::DoNotOptimize(trelvist::evaluateHand(slots.data()));
        i = (i + 1) & (kCount - 1);
    }
    state.SetItemsProcessed(state.iterations());
}

// Seven distinct cards: what the showdown and most of the odds routine evaluate.
void BM_SevenCards(benchmark::State& state) { evaluateCopies(state, false); }
// Five cards and the two placeholders: the odds routine's flop-only hands.
void BM_FlopWithPlaceholders(benchmark::State& state) { evaluateCopies(state, true); }

BENCHMARK(BM_MillionHandsInPlace);
BENCHMARK(BM_SevenCards);
BENCHMARK(BM_FlopWithPlaceholders);

}  // namespace
