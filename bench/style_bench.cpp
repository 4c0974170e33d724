// One decision of each opponent style on the flop with every seat still in, the costliest
// spot: its chances are sampled against seven hands. The Shark once more with every other seat
// having raised on the flop: each hand it draws for them must then hold a pair of the board,
// and is drawn again until it does.
#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "game/strategies.h"
#include "game/table.h"

namespace {

using namespace trelvist;

void BM_StyleDecision(benchmark::State& state, const char* style, bool raisedAround) {
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
    std::vector<SeatAction> actions;
    for (int seat : kSeatOrder)
        if (raisedAround && seat != Freak) actions.push_back({seat, 2, Move::Raise, 10, false});
    context.actions = actions;
    context.level = kLevelValues[3];  // Genius
    for (auto _ : state) {
        benchmark::DoNotOptimize(strategy->staysIn(context));
        context.hole[1].suit = (context.hole[1].suit + 1) % 3;  // a new hand, not a remembered one
    }
}

BENCHMARK_CAPTURE(BM_StyleDecision, rock, "Rock", false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StyleDecision, tight_aggressive, "Tight-aggressive", false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StyleDecision, loose_aggressive, "Loose-aggressive", false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StyleDecision, calling_station, "Calling station", false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StyleDecision, maniac, "Maniac", false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StyleDecision, shark, "Shark", false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StyleDecision, shark_raised_around, "Shark", true)->Unit(benchmark::kMicrosecond);

}  // namespace
