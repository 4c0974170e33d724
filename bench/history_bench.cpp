// Reading 100,000 hands of history text back into hand records, and counting the seat figures
// over them: the work trelvist-stats does for a folder of history files.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/played_history.h"
#include "history/hand_reader.h"
#include "stats/seat_counters.h"

namespace {

using namespace trelvist;

void BM_ReadHundredThousandHands(benchmark::State& state) {
    const std::string& text = bench::playedHistoryText();
    for (auto _ : state) {
        const auto hands = history::readHands(text);
        benchmark::DoNotOptimize(hands.data());
        if (hands.size() != bench::kHistoryHands) state.SkipWithError("wrong hand count");
    }
}
BENCHMARK(BM_ReadHundredThousandHands)->Unit(benchmark::kMillisecond);

void BM_CountHundredThousandHands(benchmark::State& state) {
    const auto hands = history::readHands(bench::playedHistoryText());
    for (auto _ : state) {
        stats::TableCounters total{};
        for (const history::HandRecord& hand : hands) {
            const stats::TableCounters counted = stats::countHand(hand);
            for (int seat : kSeatOrder) total[seat] += counted[seat];
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_CountHundredThousandHands)->Unit(benchmark::kMillisecond);

}  // namespace
