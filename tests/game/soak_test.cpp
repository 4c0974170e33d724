// Thousands of hands of random presses on every control, checking after each press what
// must always hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "tests/game/table_rig.h"

namespace trelvist {
namespace {

using testing::isPermutation;
using testing::MemoryStore;
using testing::TestHost;

// Keeps the books of each hand from what the table tells, and checks them against the table:
// the chips told as going in add up to the pot, each seat's told net is its cash change, and
// each street tells the board the table holds.
class HandLedger : public TableObserver {
public:
    explicit HandLedger(const Table& table) : table_(table) {}

    int handsSettled() const { return settled_; }

    void handStarted(const HandStart& start) override {
        open_ = true;
        cashAtStart_ = start.cash;
        net_ = {};
        intoPot_ = 0;
        EXPECT_EQ(start.cash, table_.state().cash);
    }
    void blindPosted(int seat, bool, int32_t amount, int32_t paid) override {
        intoPot_ += amount;
        net_[seat] -= paid;
    }
    void acted(int seat, Move move, int32_t amount) override {
        if (move == Move::Check || move == Move::Fold) {
            EXPECT_EQ(amount, 0);
        }
        intoPot_ += amount;
        net_[seat] -= amount;
    }
    void streetTurned(int street, std::span<const Card> board) override {
        EXPECT_EQ(street, table_.state().street);
        ASSERT_EQ(board.size(), street == 2 ? 3u : street == 3 ? 4u : 5u);
        for (size_t i = 0; i < board.size(); ++i) EXPECT_EQ(board[i], table_.state().board()[i]) << i;
    }
    void potPaid(int seat, int32_t amount) override { net_[seat] += amount; }
    void cashSet(int32_t value) override {
        for (int seat : kSeatOrder) {
            cashAtStart_[seat] = value;
            net_[seat] = 0;
        }
    }
    void handEnded(int32_t pot, std::string_view result) override {
        if (!open_) return;  // a hand dealt before the ledger listened
        open_ = false;
        ++settled_;
        EXPECT_EQ(intoPot_, pot);
        EXPECT_EQ(result, table_.view().result.text);
        for (int seat : kSeatOrder) {
            EXPECT_EQ(int64_t{table_.state().cash[seat]} - cashAtStart_[seat], net_[seat]) << "seat " << seat;
        }
    }

private:
    const Table& table_;
    bool open_ = false;
    std::array<int32_t, kSeatSlots> cashAtStart_{};
    std::array<int64_t, kSeatSlots> net_{};
    int64_t intoPot_ = 0;
    int settled_ = 0;
};

// The controls other than the four table buttons, each as likely as the others.
constexpr Control kOtherControls[] = {
    Control::NewGame, Control::Options, Control::Advice, Control::Rules, Control::Stats,
    Control::TypeInitialCash, Control::TypePlayUntil, Control::EnterInitialCash, Control::EnterPlayUntil,
    Control::RaiseLimits, Control::LowerLimits, Control::CardBack, Control::Level, Control::Sound,
    Control::CloseOptions,
};

class Soak {
public:
    explicit Soak(uint32_t seed) : pick_(seed), table_(host_, store_), ledger_(table_) {
        table_.addObserver(host_);
        table_.addObserver(ledger_);
    }

    // Stops at the first failed check; the failure names the press.
    void run(int hands) {
        table_.startUp();
        checkAfter(TableState{}, true, false);
        for (int count = 1; hands_ < hands && !::testing::Test::HasFailure(); ++count) {
            SCOPED_TRACE("press " + std::to_string(count));
            step();
        }
        // Most hands end in a showdown or an all-out win rather than a new game.
        EXPECT_GT(ledger_.handsSettled(), hands / 2);
    }

private:
    bool coin(int oneIn) { return std::uniform_int_distribution<int>(0, oneIn - 1)(pick_) == 0; }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(pick_); }

    std::string randomText() {
        static const char* samples[] = {"", "100", "99", "1000000", "999999", "-5", "+300", "12a", " 100", "0x10", "2000", "0", "600", "1234567"};
        return samples[below(14)];
    }

    // The four table buttons come up far more often than the rest; a repaint and a change of
    // the file's writability now and then.
    Press randomPress() {
        const int roll = below(40);
        if (roll < 15) {
            Press press{kOtherControls[roll]};
            press.item = press.control == Control::CardBack ? below(8) : coin(4) ? below(4) : 0;
            press.text = randomText();
            if (press.control == Control::NewGame) host_.answerYes = coin(2);
            return press;
        }
        if (roll < 19) return {Control::Fold};
        if (roll < 25) return {Control::Raise};
        return {table_.view().deal.enabled ? Control::Deal : Control::CheckOrCall};
    }

    void step() {
        const TableState before = table_.state();
        const int street = before.street;
        bool newHand = false;
        bool cashEntered = false;
        std::string what;
        switch (below(50)) {
            case 0: what = "repaint"; table_.redraw(); break;
            case 1: what = "writes"; store_.refuse = coin(4); break;
            default: {
                const Press press = randomPress();
                what = "control " + std::to_string(static_cast<int>(press.control));
                const bool done = table_.press(press);
                // Now and then Reset is pressed in the statistics window the press opened.
                if (press.control == Control::Stats && coin(3)) table_.press({Control::ResetStats});
                newHand = done && (press.control == Control::Deal ? table_.state().street == 1
                                                                  : press.control == Control::NewGame && host_.answerYes);
                cashEntered = press.control == Control::EnterInitialCash;
            }
        }
        // A finished game is started over now and then, so that the soak keeps playing.
        if (!table_.view().deal.enabled && !table_.view().checkOrCall.enabled && coin(3)) {
            table_.press({Control::Options});
            table_.press({Control::TypeInitialCash, 0, "1200"});
            table_.press({Control::Options});
            host_.answerYes = true;
            table_.press({Control::NewGame});
            newHand = true;
        }
        if (newHand) ++hands_;
        SCOPED_TRACE(what);
        checkAfter(before, newHand || table_.state().street < street, cashEntered);
    }

    void checkAfter(const TableState& before, bool newHand, bool cashEntered) {
        const TableState& s = table_.state();
        const TableView d = table_.view();
        SCOPED_TRACE("in hand " + std::to_string(hands_));
        ASSERT_TRUE(isPermutation(s.deck));
        ASSERT_TRUE(isPermutation(s.oddsDeck));
        ASSERT_GE(s.street, 1);
        ASSERT_LE(s.street, 5);
        if (!newHand) {
            ASSERT_GE(s.street, before.street) << "street went back within a hand";
        }
        ASSERT_GE(s.openerSeat, 1);
        ASSERT_LE(s.openerSeat, 8);
        ASSERT_LE(std::count(s.raised.begin(), s.raised.end(), true), 1);
        ASSERT_EQ(d.pot, std::to_string(s.pot));
        for (int seat : kSeatOrder) {
            ASSERT_EQ(d.seats[seat].cash, std::to_string(s.cash[seat])) << seat;
        }
        // Nobody acts while out of the hand, and a fold lasts until the next deal.
        if (!newHand) {
            for (int seat : kOpponents) {
                if (before.folded[seat]) {
                    ASSERT_TRUE(s.folded[seat]) << seat;
                }
                const std::string& status = d.seats[seat].status.text;
                const bool acted = s.cash[seat] != before.cash[seat] && status != "Small Blind" && status != "Big Blind";
                if (acted && !before.live(seat) && !cashEntered) {
                    ADD_FAILURE() << "seat " << seat << " acted while out";
                }
            }
        }
        // The buttons follow the state of the hand.
        if (d.checkOrCall.enabled) {
            ASSERT_LT(s.street, 5);
            ASSERT_FALSE(d.deal.enabled);
        }
        if (d.raise.enabled) {
            ASSERT_TRUE(d.checkOrCall.enabled);
        }
        if (s.street == 5) {
            ASSERT_FALSE(d.checkOrCall.enabled);
        }
        // The flag may name the big blind; an unanswered raise shows as the holder's "Raises".
        for (int seat : kOpponents)
            if (d.raise.enabled && s.raised[seat]) {
                ASSERT_NE(d.seats[seat].status.text, "Raises") << "Raise enabled against an unanswered raise";
            }
    }

    std::mt19937 pick_;
    TestHost host_;
    MemoryStore store_;
    Table table_;
    HandLedger ledger_;
    int hands_ = 0;
};

TEST(Soak, RandomPressesKeepTheTableSound) {
    for (uint32_t seed : {1u, 2u, 3u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Soak(seed).run(1000);
        if (::testing::Test::HasFailure()) return;
    }
}

}  // namespace
}  // namespace trelvist
