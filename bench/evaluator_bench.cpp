// evaluateHand over a fixed set of random seven-card hands, the seven slots filled each time
// as the odds routine fills them.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <random>
#include <vector>

#include "game/evaluator.h"

namespace {

using trelvist::Card;

constexpr std::size_t kHands = 1 << 16;  // a power of two, so the walk wraps with a mask

std::vector<std::array<Card, 7>> randomHands(bool flopOnly) {
    std::mt19937_64 rng(12345);
    trelvist::Deck deck;
    trelvist::fillDeck(deck);
    std::vector<std::array<Card, 7>> hands(kHands);
    for (auto& hand : hands) {
        std::shuffle(deck.begin(), deck.end(), rng);
        std::copy_n(deck.begin(), hand.size(), hand.begin());
        if (flopOnly) {
            hand[5] = trelvist::kPlaceholder5;
            hand[6] = trelvist::kPlaceholder6;
        }
    }
    return hands;
}

void evaluate(benchmark::State& state, bool flopOnly) {
    const auto hands = randomHands(flopOnly);
    std::size_t i = 0;
    for (auto _ : state) {
        std::array<Card, 7> slots = hands[i];
        benchmark::DoNotOptimize(slots);
        benchmark::DoNotOptimize(trelvist::evaluateHand(slots.data()));
        i = (i + 1) & (kHands - 1);
    }
    state.SetItemsProcessed(state.iterations());
}

// Seven distinct cards: what the showdown and most of the odds routine evaluate.
void BM_SevenCards(benchmark::State& state) { evaluate(state, false); }
// Five cards and the two placeholders: the odds routine's flop-only hands.
void BM_FlopWithPlaceholders(benchmark::State& state) { evaluate(state, true); }

BENCHMARK(BM_SevenCards);
BENCHMARK(BM_FlopWithPlaceholders);

}  // namespace
