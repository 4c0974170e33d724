// The odds meter's computations: the heaviest sampled one (seven opponents before the flop)
// and the heaviest exact one (heads-up on the flop).
#include <benchmark/benchmark.h>

#include "game/equity.h"

namespace {

using trelvist::Card;
using trelvist::EquityQuestion;

constexpr Card kAceOfSpades{3, 12}, kKingOfSpades{3, 11};

void measure(benchmark::State& state, const EquityQuestion& question) {
    uint64_t deals = 0;
    for (auto _ : state) {
        const trelvist::Equity equity = trelvist::computeEquity(question);
        benchmark::DoNotOptimize(equity);
        deals = equity.deals;
    }
    state.counters["deals"] = static_cast<double>(deals);
}

void BM_SevenOpponentsPreflop(benchmark::State& state) {
    measure(state, {.hole = {kAceOfSpades, kKingOfSpades}, .opponents = 7});
}
BENCHMARK(BM_SevenOpponentsPreflop)->Unit(benchmark::kMillisecond);

void BM_HeadsUpFlopExact(benchmark::State& state) {
    measure(state, {.hole = {kAceOfSpades, kKingOfSpades},
                    .board = {Card{0, 7}, Card{1, 10}, Card{3, 2}},  // Nine, Queen, Four
                    .boardShown = 3,
                    .opponents = 1});
}
BENCHMARK(BM_HeadsUpFlopExact)->Unit(benchmark::kMillisecond);

}  // namespace
