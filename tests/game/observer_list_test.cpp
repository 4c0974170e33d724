// Several observers behind one list hear what a single observer hears, in the same order.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

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

    void handStarted(const HandStart& s) override { add("start", s.cash[You], picture(s.yourCards[0])); }
    void blindPosted(int seat, bool big, int32_t amount, int32_t paid) override {
        add("blind", seat, big, amount, paid);
    }
    void acted(int seat, Move move, int32_t amount) override { add("act", seat, static_cast<int>(move), amount); }
    void streetTurned(int street, std::span<const Card> board) override { add("street", street, board.size()); }
    void showedDown(int seat, std::array<Card, 2> cards, std::string_view name) override {
        add("show", seat, picture(cards[1]), name);
    }
    void potPaid(int seat, int32_t amount) override { add("paid", seat, amount); }
    void handEnded(int32_t pot, std::string_view result) override { add("end", pot, result); }
    void cashSet(int32_t value) override { add("cash", value); }
    void gameOver(std::string_view text) override { add("over", text); }
    void tableChanged(const TableView& view, const TableChange& change) override {
        add("changed", static_cast<int>(change.kind), change.seat, change.boardCards, view.seats[You].cards[0].picture);
    }

private:
    template <class... Parts>
    void add(const char* kind, const Parts&... parts) {
        std::ostringstream line;
        line << kind;
        ((line << ' ' << parts), ...);
        heard.push_back(line.str());
    }
};

// A few hands, a new initial cash and a lost game, told to each of `observers`.
void play(std::initializer_list<TableObserver*> observers) {
    TestHost host;
    host.now = 3;
    MemoryStore store;
    Table table(host, store);
    table.addObserver(host);
    for (TableObserver* observer : observers) table.addObserver(*observer);
    table.startUp();
    table.press({Control::Fold});
    for (int hand = 0; hand < 3; ++hand) {
        table.press({Control::Deal});
        while (table.view().checkOrCall.enabled) table.press({Control::CheckOrCall});
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
    play({&alone});
    for (const char* kind : {"start", "blind", "act", "street", "show", "paid", "end", "cash", "over", "changed"}) {
        EXPECT_TRUE(std::any_of(alone.heard.begin(), alone.heard.end(),
                                [&](const std::string& line) { return line.starts_with(kind); }))
            << kind;
    }

    Recorder first, second;
    ObserverList list;
    list.add(first);
    list.add(second);
    play({&list});
    EXPECT_EQ(first.heard, alone.heard);
    EXPECT_EQ(second.heard, alone.heard);

    // The table keeps such a list itself: observers added to it one by one hear the same,
    // the changes of the cards with the view as it then shows among them.
    Recorder third, fourth;
    play({&third, &fourth});
    EXPECT_EQ(third.heard, alone.heard);
    EXPECT_EQ(fourth.heard, alone.heard);
}

}  // namespace
}  // namespace trelvist
