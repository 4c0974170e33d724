// Hands of a match played by the classic style in every seat, the human seat through its
// presses: what a match of a million hands costs, per hand, at each level.
#include <benchmark/benchmark.h>

#include "tools/match_block.h"

namespace trelvist::tools {
namespace {

constexpr int64_t kHands = 200;

void BM_ClassicHands(benchmark::State& state) {
    MatchPlan plan;
    plan.level = static_cast<int>(state.range(0));
    int64_t first = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(playBlock(plan, Block{first, kHands, 0}));
        first += kHands;
    }
    state.SetItemsProcessed(state.iterations() * kHands);
}
BENCHMARK(BM_ClassicHands)->ArgName("level")->Arg(0)->Arg(3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trelvist::tools
