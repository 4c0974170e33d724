// One decision of each opponent style on the flop with every seat still in, the costliest
// spot: its chances are sampled against seven hands.
#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <string>

#include "game/strategies.h"
#include "game/table.h"

namespace {

using namespace trelvist;

void BM_StyleDecision(benchmark::State& state, const char* style) {
    TableState tableState;
    Random random;
    OddsRoutine odds(random, tableState);
    const StrategyTools tools{odds, random};
    std::unique_ptr<SeatStrategy> strategy = makeStrategy(style, tools);
    const std::array<Card, 3> flop{Card{0, 12}, Card{1, 7}, Card{2, 3}};
    SeatContext context;
    context.seat = Freak;
    context.hole = {Card{3, 12}, Card{3, 11}};
    context.board = flop;
    context.street = 2;
    context.pot = 160;
    context.toPay = 10;
    context.smallBet = 10;
    context.bigBet = 20;
    for (int seat : kSeatOrder) context.inHand[seat] = true;
    context.level = kLevelValues[3];  // Genius
    for (auto _ : state) {
        benchmark::DoNotOptimize(strategy->staysIn(context));
        context.hole[1].suit = (context.hole[1].suit + 1) % 3;  // a new hand, not a remembered one
    }
}

BENCHMARK_CAPTURE(BM_StyleDecision, rock, "Rock")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StyleDecision, tight_aggressive, "Tight-aggressive")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StyleDecision, loose_aggressive, "Loose-aggressive")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StyleDecision, calling_station, "Calling station")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StyleDecision, maniac, "Maniac")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StyleDecision, shark, "Shark")->Unit(benchmark::kMicrosecond);

}  // namespace
