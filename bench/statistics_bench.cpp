// The statistics store over 100,000 hands of history: the rebuild from the files, the figures
// the statistics window and the HUD show, and the recording of one more settled hand.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <algorithm>
#include <fstream>
#include <memory>

#include "bench/played_history.h"
#include "history/hand_reader.h"
#include "statsdb/statistics_store.h"

namespace {

using namespace trelvist;

// One history folder of 100 files and a store rebuilt from it, made once for every benchmark.
struct IndexedHistory {
    QTemporaryDir folder;
    std::unique_ptr<statsdb::StatisticsStore> store;
    std::vector<history::HandRecord> hands;

    IndexedHistory() {
        hands = history::readHands(bench::playedHistoryText());
        const std::string& text = bench::playedHistoryText();
        constexpr int kFiles = 100;
        size_t from = 0;
        for (int file = 0; file < kFiles; ++file) {
            // Cut at a hand's start, so that each file holds whole hands.
            size_t to = file + 1 == kFiles ? text.size() : text.find("PokerStars Hand #", text.size() * (file + 1) / kFiles);
            to = std::min(to, text.size());
            std::ofstream(folder.filePath(QString("hands-%1.txt").arg(file, 3, 10, QChar('0'))).toStdString())
                << text.substr(from, to - from);
            from = to;
        }
        store = statsdb::StatisticsStore::open(folder.filePath("statistics.sqlite").toStdString());
    }

    std::string path() const { return folder.path().toStdString(); }
};

IndexedHistory& indexed() {
    static IndexedHistory history;
    return history;
}

void BM_RebuildFromHundredThousandHands(benchmark::State& state) {
    IndexedHistory& history = indexed();
    for (auto _ : state)
        if (history.store->rebuild(history.path()) != bench::kHistoryHands) state.SkipWithError("hands lost");
}
BENCHMARK(BM_RebuildFromHundredThousandHands)->Unit(benchmark::kMillisecond)->Iterations(1);

// The figures as the statistics window gets them from a store opened over 100,000 hands.
void BM_FiguresOfHundredThousandHands(benchmark::State& state) {
    IndexedHistory& history = indexed();
    const std::string database = history.folder.filePath("statistics.sqlite").toStdString();
    for (auto _ : state) {
        const auto store = statsdb::StatisticsStore::open(database);
        const stats::StatisticsReport report = store->report();
        if (report.hands != bench::kHistoryHands) state.SkipWithError("hands lost");
        benchmark::DoNotOptimize(report.lifetime);
    }
}
BENCHMARK(BM_FiguresOfHundredThousandHands)->Unit(benchmark::kMillisecond);

// What the press that settles a hand pays: the hand recorded, and the figures read for the
// seats on the table.
void BM_RecordOneHand(benchmark::State& state) {
    IndexedHistory& history = indexed();
    history::HandRecord hand = history.hands.back();
    for (auto _ : state) {
        ++hand.number;
        if (!history.store->record(hand)) state.SkipWithError("not recorded");
        benchmark::DoNotOptimize(history.store->report().session);
    }
}
BENCHMARK(BM_RecordOneHand)->Unit(benchmark::kMicrosecond);

}  // namespace
