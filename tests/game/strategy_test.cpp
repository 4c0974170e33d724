// An opponent's strategy written here alone, played at one seat through the table's presses:
// the table asks it at that seat only, plays the rules around its answers, tells it no more
// than a player there may know, and leaves the classic seats deciding as they would without it.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <vector>

#include "game/table.h"
#include "tests/support/test_host.h"

namespace trelvist {
namespace {

using testing::MemoryStore;
using testing::TestHost;

int64_t chipsOnTable(const TableState& s) {
    return std::accumulate(s.cash.begin(), s.cash.end(), int64_t{0}) + s.pot;
}

// What the table tells about the hand in progress, kept as a player at the table hears it.
class Witness : public TableObserver {
public:
    struct Act {
        int seat, street;
        Move move;
        int32_t amount;
        friend bool operator==(const Act&, const Act&) = default;
    };

    explicit Witness(const Table& table) : table_(table) {}

    int street = 1;
    std::vector<Card> board;                   // as the last street told it
    std::vector<std::pair<int, int32_t>> blinds;  // seat, chips paid
    std::vector<Act> acts;                     // this hand's actions after the blinds
    std::vector<Act> allActs;                  // every hand's
    int64_t chipsAtStart = 0;                  // every seat's cash before the blinds
    int handsEnded = 0;
    // A check of the chips a seat moves next, against what it was told staying in costs.
    int expectingSeat = 0;
    int32_t expectedAmount = 0;

    void handStarted(const HandStart& start) override {
        street = 1;
        board.clear();
        blinds.clear();
        acts.clear();
        paid_ = 0;
        payouts_ = 0;
        chipsAtStart = std::accumulate(start.cash.begin(), start.cash.end(), int64_t{0});
    }
    void blindPosted(int seat, bool, int32_t, int32_t paid) override { blinds.emplace_back(seat, paid); }
    void acted(int seat, Move move, int32_t amount) override {
        acts.push_back({seat, street, move, amount});
        allActs.push_back(acts.back());
        if (seat == expectingSeat) {
            EXPECT_EQ(amount, expectedAmount) << "staying in cost seat " << seat << " other than it was told";
            expectingSeat = 0;
        }
    }
    void streetTurned(int turned, std::span<const Card> shown) override {
        street = turned;
        board.assign(shown.begin(), shown.end());
    }
    void potPaid(int, int32_t amount) override {
        paid_ += amount;
        ++payouts_;
    }
    // The pot goes to the winners whole, but for the odd chips of a split.
    void handEnded(int32_t pot, std::string_view) override {
        ++handsEnded;
        const int64_t unpaid = int64_t{pot} - paid_;
        EXPECT_GE(unpaid, 0);
        EXPECT_LT(unpaid, std::max(payouts_, 1));
        const TableState& s = table_.state();
        EXPECT_EQ(std::accumulate(s.cash.begin(), s.cash.end(), int64_t{0}) + unpaid, chipsAtStart);
    }

private:
    const Table& table_;
    int64_t paid_ = 0;
    int payouts_ = 0;
};

// Stays in whenever asked and never raises. With a witness it checks every context it gets
// against what the table has told by then.
class AlwaysCalls : public SeatStrategy {
public:
    AlwaysCalls(int seat, const Table* table = nullptr, Witness* witness = nullptr)
        : seat_(seat), table_(table), witness_(witness) {}

    int answers = 0, turns = 0;

    bool staysIn(const SeatContext& context) override {
        ++answers;
        check(context);
        return true;
    }
    bool raises(const SeatContext& context) override {
        ++turns;
        check(context);
        return false;
    }

private:
    void check(const SeatContext& c) {
        EXPECT_EQ(c.seat, seat_);
        if (!table_) return;
        const Witness& w = *witness_;
        EXPECT_EQ(c.hole, table_->state().holes[seat_]) << "its own hole cards";
        EXPECT_EQ(c.street, w.street);
        ASSERT_LE(w.street, 4) << "asked to decide after the river";
        // The board as far as the street shows it: none pre-flop, then 3, 4 and 5 cards.
        constexpr size_t kShown[] = {0, 0, 3, 4, 5};
        EXPECT_EQ(c.board.size(), kShown[w.street]);
        EXPECT_TRUE(std::equal(c.board.begin(), c.board.end(), w.board.begin(), w.board.end()));
        // The hand so far: the blinds, then every action in the order it was told.
        std::vector<std::pair<int, int32_t>> blinds;
        std::vector<Witness::Act> acts;
        for (const SeatAction& a : c.actions) {
            if (a.blind) {
                EXPECT_TRUE(acts.empty()) << "the blinds come first";
                blinds.emplace_back(a.seat, a.amount);
            } else {
                acts.push_back({a.seat, a.street, a.move, a.amount});
            }
        }
        EXPECT_EQ(blinds, w.blinds);
        EXPECT_EQ(acts, w.acts);
        // What it must pay is what its answer then moves into the pot (nothing in its turn).
        witness_->expectingSeat = seat_;
        witness_->expectedAmount = c.toPay;
    }

    int seat_;
    const Table* table_;
    Witness* witness_;
};

TEST(SeatStrategy, AStrategyOfItsOwnPlaysItsSeatThroughWholeHands) {
    TestHost host;
    host.now = 1234;
    MemoryStore store;  // the game's own settings: Amateur, 1200 each
    Table table(host, store);
    table.addObserver(host);
    Witness witness(table);
    table.addObserver(witness);
    auto owned = std::make_unique<AlwaysCalls>(Geek, &table, &witness);
    AlwaysCalls& geek = *owned;
    table.setStrategy(Geek, std::move(owned));
    table.startUp();

    // The human calls down, raises first, or calls once and then folds, hand by hand.
    constexpr int kHands = 9;
    for (int hand = 0; hand < kHands && !::testing::Test::HasFailure(); ++hand) {
        SCOPED_TRACE("hand " + std::to_string(hand));
        if (hand > 0) {
            ASSERT_TRUE(table.press({Control::Deal}));
        }
        for (int press = 0; table.view().checkOrCall.enabled; ++press) {
            const bool raise = hand % 3 == 1 && press == 0 && table.view().raise.enabled;
            const bool fold = hand % 3 == 2 && press == 1;
            ASSERT_TRUE(table.press({raise ? Control::Raise : fold ? Control::Fold : Control::CheckOrCall}));
            if (table.view().checkOrCall.enabled) {
                EXPECT_EQ(chipsOnTable(table.state()), witness.chipsAtStart) << "press " << press;
            }
        }
        EXPECT_EQ(witness.handsEnded, hand + 1);
        for (const SeatAction& a : table.actions()) {
            if (a.seat == Geek && !a.blind) {
                EXPECT_TRUE(a.move == Move::Check || a.move == Move::Call) << "street " << a.street;
            }
        }
    }

    EXPECT_GT(geek.answers, 0);
    EXPECT_GT(geek.turns, 0);
    int classicFolds = 0, classicRaises = 0;
    for (const Witness::Act& a : witness.allActs) {
        if (a.seat == Geek) {
            EXPECT_TRUE(a.move == Move::Check || a.move == Move::Call);
        } else if (a.seat != You) {
            classicFolds += a.move == Move::Fold;
            classicRaises += a.move == Move::Raise;
        }
    }
    // Else the classic seats never tested what the strategy at Geek's seat had to answer.
    EXPECT_GT(classicFolds, 0);
    EXPECT_GT(classicRaises, 0);
}

// The first hand's answers to the human's call: Robot, holding the big blind's flag, answers
// last, so both tables draw the same numbers up to its answer and the classic seats before it
// must answer alike. After it the draws part, as the strategy draws none.
TEST(SeatStrategy, ClassicSeatsDecideAsWithoutTheSwapUntilTheSwappedSeatDecides) {
    int foldsSeen = 0, callsSeen = 0;
    for (uint32_t seed : {11u, 12u, 13u, 14u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const auto firstAnswers = [seed](bool swapped) {
            TestHost host;
            host.now = seed;
            MemoryStore store;
            Table table(host, store);
            table.addObserver(host);
            if (swapped) table.setStrategy(Robot, std::make_unique<AlwaysCalls>(Robot));
            table.startUp();
            table.press({Control::CheckOrCall});
            std::vector<SeatAction> answers;
            for (const SeatAction& a : table.actions())
                if (!a.blind && a.street == 1 && a.seat != You) answers.push_back(a);
            return answers;
        };
        const std::vector<SeatAction> classic = firstAnswers(false);
        const std::vector<SeatAction> swapped = firstAnswers(true);
        ASSERT_EQ(classic.size(), 7u);
        ASSERT_EQ(swapped.size(), 7u);
        EXPECT_EQ(std::vector<SeatAction>(swapped.begin(), swapped.end() - 1),
                  std::vector<SeatAction>(classic.begin(), classic.end() - 1));
        EXPECT_EQ(swapped.back().seat, Robot);
        EXPECT_EQ(swapped.back().move, Move::Call);
        for (auto a = classic.begin(); a != classic.end() - 1; ++a) {
            foldsSeen += a->move == Move::Fold;
            callsSeen += a->move == Move::Call;
        }
    }
    // Both answers among the classic seats, so a strategy asked for the wrong seat would show.
    EXPECT_GT(foldsSeen, 0);
    EXPECT_GT(callsSeen, 0);
}

}  // namespace
}  // namespace trelvist
