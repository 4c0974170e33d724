// Reading 100,000 hands of history text back into hand records, and counting the seat figures
// over them: the work trelvist-stats does for a folder of history files.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "game/table.h"
#include "history/hand_history.h"
#include "history/hand_log.h"
#include "history/hand_reader.h"
#include "history/hand_text.h"
#include "stats/seat_counters.h"
#include "tests/support/test_host.h"

namespace {

using namespace trelvist;

constexpr int kHands = 100'000;
constexpr int kPlayed = 500;  // hands a table plays; the file repeats them

// The text of 100,000 hands: a table's hands played by seeded presses, written over and over.
const std::string& historyText() {
    static const std::string text = [] {
        testing::TestHost host;
        host.now = 2026;
        testing::MemoryStore store;
        Table table(host, store);
        history::HandLog log([] { return int64_t{1796737501}; }, history::kFirstHandNumber + 1);
        table.addObserver(host);
        table.addObserver(log);
        std::mt19937 random(2026);
        while (log.hands().size() < kPlayed + 1) {
            const TableView& view = table.view();
            if (view.deal.enabled) {
                table.press({Control::Deal});
            } else if (view.checkOrCall.enabled || view.raise.enabled || view.fold.enabled) {
                const Control choice[] = {Control::CheckOrCall, Control::CheckOrCall, Control::Raise, Control::Fold};
                const Control pressed = choice[random() % 4];
                table.press({pressed});
            } else {
                table.press({Control::NewGame});
            }
        }
        std::string played;
        for (int i = 0; i < kPlayed; ++i) played += history::handText(log.hands()[i]) + "\n";
        std::string all;
        for (int i = 0; i < kHands / kPlayed; ++i) all += played;
        return all;
    }();
    return text;
}

void BM_ReadHundredThousandHands(benchmark::State& state) {
    const std::string& text = historyText();
    for (auto _ : state) {
        const auto hands = history::readHands(text);
        benchmark::DoNotOptimize(hands.data());
        if (hands.size() != kHands) state.SkipWithError("wrong hand count");
    }
}
BENCHMARK(BM_ReadHundredThousandHands)->Unit(benchmark::kMillisecond);

void BM_CountHundredThousandHands(benchmark::State& state) {
    const auto hands = history::readHands(historyText());
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
