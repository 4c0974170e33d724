// A match: its command line, and that the seed alone decides what it plays.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <variant>
#include <vector>

#include "tools/match_block.h"
#include "tools/match_report.h"
#include "tools/match_run.h"

namespace trelvist::tools {
namespace {

MatchCommand read(std::vector<const char*> args) {
    args.insert(args.begin(), "trelvist-match");
    return readCommandLine(static_cast<int>(args.size()), args.data(), 2);
}

TEST(MatchCommandLine, ReadsStylesByTheirCommandLineNamesAndRefusesWhatItCannotUse) {
    const MatchCommand ok = read({"--hands", "500", "--seed", "7", "--level", "master", "--seats",
                                  "always-call,classic,classic,classic,classic,classic,classic,always-call",
                                  "--rotate", "--threads", "3"});
    ASSERT_TRUE(ok.plan) << ok.error;
    EXPECT_EQ(ok.plan->hands, 500);
    EXPECT_EQ(ok.plan->seed, 7u);
    EXPECT_EQ(ok.plan->level, 2);
    EXPECT_EQ(ok.plan->styles[0], "Always call");
    EXPECT_EQ(ok.plan->styles[1], "Classic");
    EXPECT_TRUE(ok.plan->perStyle());
    EXPECT_EQ(ok.plan->threads, 3);
    EXPECT_EQ(read({"--hands", "5"}).plan->threads, 2);  // one per core
    EXPECT_EQ(commandLineName("Tight-aggressive"), "tight-aggressive");
    EXPECT_EQ(commandLineName("Calling station"), "calling-station");
    EXPECT_TRUE(read({"--help"}).help);

    for (const auto& refused : std::vector<std::vector<const char*>>{
             {"--hands", "0"},
             {"--hands", "12x"},
             {"--hands", "10", "--seed", "-1"},
             {"--hands", "10", "--level", "grandmaster"},
             {"--hands", "10", "--seats", "classic,classic"},
             {"--hands", "10", "--seats", "Classic,classic,classic,classic,classic,classic,classic,classic"},
             {"--hands", "10", "--threads", "0"},
             {"--hands", "10", "--jason", "x"},
             {"--hands"},
             {"--seed", "3"}}) {
        const MatchCommand command = read(refused);
        EXPECT_FALSE(command.plan) << refused.back();
        EXPECT_FALSE(command.error.empty());
    }
}

MatchPlan smallMatch(int threads) {
    MatchPlan plan;
    plan.hands = 1010;  // two games, the second cut short
    plan.seed = 42;
    plan.level = 0;
    plan.styles[3] = "Always call";
    plan.threads = threads;
    return plan;
}

TEST(Match, TheSeedAloneDecidesTheFiguresWhateverTheThreads) {
    const auto quiet = [](int64_t, int64_t) {};
    const MatchTotals one = playMatch(smallMatch(1), quiet);
    const MatchTotals two = playMatch(smallMatch(2), quiet);
    EXPECT_EQ(one.hands, 1010);
    EXPECT_EQ(one.players, two.players);
    EXPECT_EQ(matchJson(one.hands, matchRows(smallMatch(1), one)), matchJson(two.hands, matchRows(smallMatch(2), two)));

    int64_t net = 0;
    for (const stats::SeatCounters& player : one.players) {
        EXPECT_EQ(player.hands, 1010);
        net += player.net;
    }
    EXPECT_LE(net, 0);  // only the odd chips of split pots leave the table
    // The calling style never raises and never folds to a bet.
    EXPECT_EQ(one.players[3].pfr, 0);
    EXPECT_EQ(one.players[3].aggressiveStreets, 0);

}

TEST(Match, AnotherSeedPlaysOtherHands) {
    const auto quiet = [](int64_t, int64_t) {};
    MatchPlan plan = smallMatch(1);
    plan.hands = 40;
    const MatchTotals first = playMatch(plan, quiet);
    plan.seed = 43;
    EXPECT_NE(playMatch(plan, quiet).players, first.players);
}

TEST(Match, DuplicateDealsEachHandInEverySeatingAndReportsPerStyle) {
    MatchPlan plan = smallMatch(2);
    plan.hands = 80;
    plan.duplicate = true;
    const MatchTotals totals = playMatch(plan, [](int64_t, int64_t) {});
    EXPECT_EQ(totals.hands, 80);
    const std::vector<MatchRow> rows = matchRows(plan, totals);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].figures.style, "classic");
    EXPECT_EQ(rows[0].figures.hands, 7 * 80);
    EXPECT_EQ(rows[1].figures.style, "always-call");
    EXPECT_EQ(rows[1].figures.hands, 80);
    EXPECT_TRUE(rows[1].figures.name.empty());
}

TEST(Match, EverySeatingOfADealGetsTheSameCards) {
    MatchPlan plan = smallMatch(1);
    plan.historyFolder = "kept";  // keeps the hands
    const BlockResult first = playBlock(plan, Block{0, 24, 0});
    const BlockResult moved = playBlock(plan, Block{0, 24, 5});
    ASSERT_EQ(first.hands.size(), 24u);
    ASSERT_EQ(moved.hands.size(), 24u);
    for (size_t i = 0; i < first.hands.size(); ++i) {
        EXPECT_EQ(first.hands[i].start.board, moved.hands[i].start.board);
        EXPECT_EQ(first.hands[i].start.yourCards, moved.hands[i].start.yourCards);
    }
    EXPECT_NE(first.hands[0].start.board, first.hands[1].start.board);
}

// Rotating, each style sits in every seat and at every place from the big blind equally often.
TEST(Match, RotatingPutsEveryStyleAtEveryPlaceFromTheBlinds) {
    MatchPlan plan = smallMatch(1);
    plan.rotate = true;
    plan.historyFolder = "kept";
    const Block block{0, 64, 0};
    const BlockResult played = playBlock(plan, block);
    ASSERT_EQ(played.hands.size(), 64u);
    std::array<std::array<int, 8>, 8> inSeat{}, fromBlind{};  // by entry, then seat index or place
    for (int64_t deal = 0; deal < 64; ++deal) {
        int big = -1;
        for (const history::HandEvent& event : played.hands[deal].events)
            if (const auto* blind = std::get_if<history::BlindPost>(&event); blind && blind->big)
                big = static_cast<int>(std::find(kSeatOrder.begin(), kSeatOrder.end(), blind->seat) - kSeatOrder.begin());
        ASSERT_GE(big, 0) << "hand " << deal << " has a big blind";
        const int shift = seatingShift(plan, block, deal);
        for (int index = 0; index < 8; ++index) {
            const int entry = (index + shift) % 8;
            ++inSeat[entry][index];
            ++fromBlind[entry][(index - big + 8) % 8];
        }
    }
    for (int entry = 0; entry < 8; ++entry)
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(inSeat[entry][i], 8) << "entry " << entry << " at seat index " << i;
            EXPECT_EQ(fromBlind[entry][i], 8) << "entry " << entry << " " << i << " places from the big blind";
        }
}

}  // namespace
}  // namespace trelvist::tools
