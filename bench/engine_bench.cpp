// The engine's costly moments: an Advice, one opponent decision at Genius, and the slowest
// human action at Genius, where every opponent answers a raise and then takes its turn.
#include <benchmark/benchmark.h>

#include "game/table.h"
#include "tests/support/test_host.h"

namespace trelvist {
namespace {

using testing::MemoryStore;
using testing::TestHost;

constexpr int32_t kGenius = 900;

struct Started {
    TestHost host;
    MemoryStore store;
    Table table{host, store};
    Started() {
        table.addObserver(host);
        store.values[{"Levels", "comp"}] = kGenius;
        table.startUp();
    }
};

void BM_Advice(benchmark::State& state) {
    Started game;
    for (auto _ : state) {
        game.table.advice();
        game.host.events.clear();
    }
}
BENCHMARK(BM_Advice)->Unit(benchmark::kMillisecond);

void BM_GeniusDecision(benchmark::State& state) {
    Started game;
    TableState& s = game.table.stateForTesting();
    OddsRoutine& odds = game.table.oddsForTesting();
    const std::array<Card, 2> hole = s.holes[Freak];
    for (int street = 1; street <= 4; ++street) {
        s.street = street;
        odds.estimate(hole, s.aiLevel);  // warms every street's path once
    }
    s.street = 2;
    for (auto _ : state) odds.estimate(hole, s.aiLevel);
}
BENCHMARK(BM_GeniusDecision)->Unit(benchmark::kMillisecond);

// A raise on the flop with every opponent in: seven answers, then seven turns.
void BM_GeniusRaiseOnTheFlop(benchmark::State& state) {
    Started game;
    TableState flop = game.table.state();
    flop.street = 2;
    flop.raised = {};
    flop.folded = {};
    flop.seatsOut = 0;
    flop.openerSeat = Robot;
    for (int seat : kSeatOrder) flop.cash[seat] = 1200;
    for (auto _ : state) {
        state.PauseTiming();
        Table table(game.host, game.store);
        table.addObserver(game.host);
        table.stateForTesting() = flop;
        game.host.events.clear();
        state.ResumeTiming();
        table.raise();
    }
}
BENCHMARK(BM_GeniusRaiseOnTheFlop)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trelvist
