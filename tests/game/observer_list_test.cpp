// Several observers behind one list hear what a single observer hears, in the same order.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/observer_list.h"
#include "game/table.h"
#include "tests/support/test_host.h"

namespace trelvist {
namespace {

using testing::MemoryStore;
using testing::TestHost;

// Every event as a line of text.
class Recorder : public TableObserver {
public:
    std::vector<std::string> heard;

    void handStarted(const HandStart& s) override {
        add("start " + std::to_string(s.cash[You]) + " " + std::to_string(picture(s.yourCards[0])));
    }
    void blindPosted(int seat, bool big, int32_t amount, int32_t paid) override {
        add("blind " + std::to_string(seat) + (big ? " big " : " small ") + std::to_string(amount) + " " +
            std::to_string(paid));
    }
    void acted(int seat, Move move, int32_t amount) override {
        add("act " + std::to_string(seat) + " " + std::to_string(static_cast<int>(move)) + " " +
            std::to_string(amount));
    }
    void streetTurned(int street, std::span<const Card> board) override {
        add("street " + std::to_string(street) + " " + std::to_string(board.size()));
    }
    void showedDown(int seat, std::array<Card, 2> cards, std::string_view handName) override {
        add("show " + std::to_string(seat) + " " + std::to_string(picture(cards[1])) + " " + std::string(handName));
    }
    void potPaid(int seat, int32_t amount) override {
        add("paid " + std::to_string(seat) + " " + std::to_string(amount));
    }
    void handEnded(int32_t pot, std::string_view result) override {
        add("end " + std::to_string(pot) + " " + std::string(result));
    }
    void cashSet(int32_t value) override { add("cash " + std::to_string(value)); }
    void gameOver(std::string_view text) override { add("over " + std::string(text)); }

private:
    void add(std::string line) { heard.push_back(std::move(line)); }
};

// A few hands, a new initial cash and a lost game, told to `observer`.
void play(TableObserver& observer) {
    TestHost host;
    host.now = 3;
    MemoryStore store;
    Table table(host, store);
    table.setObserver(&observer);
    table.startUp();
    table.press({Control::Fold});
    for (int hand = 0; hand < 3; ++hand) {
        table.press({Control::Deal});
        while (table.display().btnstay.enabled) table.press({Control::CheckOrCall});
    }
    table.press({Control::Options});
    table.press({Control::TypeInitialCash, 0, "1000"});
    table.press({Control::EnterInitialCash});
    table.press({Control::CloseOptions});
    table.stateForTesting().cash[You] = 0;
    table.press({Control::Deal});
}

TEST(ObserverList, EveryObserverHearsEveryEventInOrder) {
    Recorder alone;
    play(alone);
    for (const char* kind : {"start", "blind", "act", "street", "show", "paid", "end", "cash", "over"}) {
        EXPECT_TRUE(std::any_of(alone.heard.begin(), alone.heard.end(),
                                [&](const std::string& line) { return line.starts_with(kind); }))
            << kind;
    }

    Recorder first, second;
    ObserverList list;
    list.add(first);
    list.add(second);
    play(list);
    EXPECT_EQ(first.heard, alone.heard);
    EXPECT_EQ(second.heard, alone.heard);
}

}  // namespace
}  // namespace trelvist
