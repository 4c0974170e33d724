#include "bench/played_history.h"

#include <random>

#include "game/table.h"
#include "history/hand_history.h"
#include "history/hand_log.h"
#include "history/hand_text.h"
#include "tests/support/random_press.h"
#include "tests/support/test_host.h"

namespace trelvist::bench {

namespace {
constexpr int kPlayed = 500;  // hands a table plays; the text repeats them
}

const std::string& playedHistoryText() {
    static const std::string text = [] {
        testing::TestHost host;
        host.now = 2026;
        testing::MemoryStore store;
        Table table(host, store);
        history::HandLog log([] { return int64_t{1796737501}; }, history::kFirstHandNumber + 1);
        table.addObserver(host);
        table.addObserver(log);
        std::mt19937 random(2026);
        while (log.hands().size() < kPlayed + 1) testing::pressAtRandom(table, random);
        // Each repeat numbers its hands anew, so an index keeps every one of them.
        std::string all;
        for (int repeat = 0; repeat < kHistoryHands / kPlayed; ++repeat) {
            for (int i = 0; i < kPlayed; ++i) {
                history::HandRecord hand = log.hands()[i];
                hand.number += int64_t{repeat} * kPlayed;
                all += history::handText(hand) + "\n";
            }
        }
        return all;
    }();
    return text;
}

}  // namespace trelvist::bench
