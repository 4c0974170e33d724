// The hands that the room layout has no plain line for, told to the hand log as the table tells
// them and compared with the written text line by line: seats without chips, a blind nobody
// paid, the odd chip of a split pot, a change of limits within a game and a new game. Also the
// time line's US Eastern time, against the system's time zone data.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <random>
#include <sstream>
#include <tuple>

#include "history/hand_history.h"
#include "history/hand_log.h"
#include "history/hand_text.h"
#include "history/wall_time.h"
#include "settings/durable_file.h"
#include "tests/settings/temp_folder.h"

namespace trelvist::history {
namespace {

// 2026-12-08 13:45:01 UTC
constexpr int64_t kDealtAt = 1796737501;

void useUtc() {
    ::setenv("TZ", "UTC", 1);
    ::tzset();
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

constexpr int64_t kFirst = kFirstHandNumber + 1;

// Card "Ah" and friends.
Card c(const char* text) {
    const std::string ranks = "23456789TJQKA", suits = "cdhs";
    return Card{static_cast<int32_t>(suits.find(text[1])), static_cast<int32_t>(ranks.find(text[0]))};
}

HandStart startOf(std::array<int32_t, kSeatSlots> cash, int32_t smallBet = 4, int32_t bigBet = 8) {
    HandStart start;
    start.smallBet = smallBet;
    start.bigBet = bigBet;
    start.smallBlind = smallBet / 2;
    start.bigBlind = smallBet;
    start.level = 400;
    start.cash = cash;
    start.yourCards = {c("Ah"), c("Kd")};
    start.board = {c("2c"), c("7d"), c("9h"), c("Js"), c("3c")};
    return start;
}

//                                        -  Robot Expert Pinhead Champ Master Geek Freak You
constexpr std::array<int32_t, kSeatSlots> kEven{0, 100, 100, 100, 100, 100, 100, 100, 100};

void expectLines(const std::string& text, const std::vector<std::string>& expected) {
    const std::vector<std::string> written = linesOf(text);
    for (size_t i = 0; i < std::max(written.size(), expected.size()); ++i)
        EXPECT_EQ(i < written.size() ? written[i] : "(no line)", i < expected.size() ? expected[i] : "(no line)")
            << "line " << i + 1;
}

class TrackerLayout : public ::testing::Test {
protected:
    void SetUp() override { useUtc(); }
    HandLog log{[] { return kDealtAt; }, kFirst};
};

TEST_F(TrackerLayout, SeatsWithoutChipsSitOutAndTheirUnpaidBlindIsMoneyNoPlayerPutIn) {
    // Robot is below zero and Expert has nothing: both blinds are in the pot, neither is paid.
    std::array<int32_t, kSeatSlots> cash = kEven;
    cash[Robot] = -2;
    cash[Expert] = 0;
    log.handStarted(startOf(cash));
    log.blindPosted(Expert, false, 2, 0);
    log.blindPosted(Robot, true, 4, 0);
    log.acted(You, Move::Call, 4);
    for (int seat : {Freak, Geek, Master, Champ, Pinhead}) log.acted(seat, Move::Fold, 0);
    log.potPaid(You, 10);
    log.handEnded(10, "You win");

    expectLines(handText(log.hands().back()),
                {
                    "PokerStars Hand #1000000000000001:  Hold'em Limit (4/8) - 2026/12/08 13:45:01 UTC "
                    "[2026/12/08 8:45:01 ET]",
                    "Table 'Trelvist Amateur 1' 8-max (Play Money) Seat #6 is the button",
                    "Seat 1: You (100 in chips)",
                    "Seat 2: Freak (100 in chips)",
                    "Seat 3: Geek (100 in chips)",
                    "Seat 4: Master (100 in chips)",
                    "Seat 5: Champ (100 in chips)",
                    "Seat 6: Pinhead (100 in chips)",
                    "Seat 7: Expert (0 in chips) is sitting out",
                    "Seat 8: Robot (0 in chips) is sitting out",
                    "Expert: is sitting out",
                    "Robot: is sitting out",
                    "*** HOLE CARDS ***",
                    "STP added: 6",
                    "Dealt to You [Ah Kd]",
                    "You: calls 4",
                    "Freak: folds",
                    "Geek: folds",
                    "Master: folds",
                    "Champ: folds",
                    "Pinhead: folds",
                    "You collected 10 from pot",
                    "*** SUMMARY ***",
                    "Total pot 10 | Main pot 4 | STP 6 | Rake 0",
                    "Seat 1: You collected (10)",
                    "Seat 2: Freak folded before Flop (didn't bet)",
                    "Seat 3: Geek folded before Flop (didn't bet)",
                    "Seat 4: Master folded before Flop (didn't bet)",
                    "Seat 5: Champ folded before Flop (didn't bet)",
                    "Seat 6: Pinhead (button) folded before Flop (didn't bet)",
                    "Seat 7: Expert (small blind) sat out",
                    "Seat 8: Robot (big blind) sat out",
                });
}

TEST_F(TrackerLayout, OddChipsOfASplitPotThatNobodyIsPaidAreTheRake) {
    log.handStarted(startOf(kEven));
    log.blindPosted(Expert, false, 2, 2);
    log.blindPosted(Robot, true, 4, 4);
    log.acted(You, Move::Call, 4);
    for (int seat : {Freak, Geek, Master, Champ, Pinhead}) log.acted(seat, Move::Fold, 0);
    log.acted(Expert, Move::Call, 4);
    log.acted(Robot, Move::Fold, 0);
    log.streetTurned(kFlop, {});
    log.acted(You, Move::Check, 0);
    log.acted(Expert, Move::Check, 0);
    log.showedDown(You, {c("Ah"), c("Kd")}, "Ace High");
    log.showedDown(Expert, {c("As"), c("Kc")}, "Ace High");
    log.potPaid(You, 7);
    log.potPaid(Expert, 7);
    log.handEnded(15, "Split pot");

    const std::string text = handText(log.hands().back());
    expectLines(text.substr(text.find("*** FLOP")),
                {
                    "*** FLOP *** [2c 7d 9h]",
                    "You: checks",
                    "Expert: checks",
                    "*** TURN *** [2c 7d 9h] [Js]",
                    "*** RIVER *** [2c 7d 9h Js] [3c]",
                    "*** SHOW DOWN ***",
                    "You: shows [Ah Kd] (Ace High)",
                    "Expert: shows [As Kc] (Ace High)",
                    "You collected 7 from pot",
                    "Expert collected 7 from pot",
                    "*** SUMMARY ***",
                    "Total pot 15 | Rake 1",
                    "Board [2c 7d 9h Js 3c]",
                    "Seat 1: You showed [Ah Kd] and won (7) with Ace High",
                    "Seat 2: Freak folded before Flop (didn't bet)",
                    "Seat 3: Geek folded before Flop (didn't bet)",
                    "Seat 4: Master folded before Flop (didn't bet)",
                    "Seat 5: Champ folded before Flop (didn't bet)",
                    "Seat 6: Pinhead (button) folded before Flop (didn't bet)",
                    "Seat 7: Expert (small blind) showed [As Kc] and won (7) with Ace High",
                    "Seat 8: Robot (big blind) folded before Flop",
                });
}

// Plays the hand every seat but the human folds: the blinds go to You.
void foldToYou(HandLog& log, const HandStart& start) {
    log.handStarted(start);
    log.blindPosted(Expert, false, start.smallBlind, start.smallBlind);
    log.blindPosted(Robot, true, start.bigBlind, start.bigBlind);
    log.acted(You, Move::Raise, start.smallBet * 2);
    for (int seat : {Freak, Geek, Master, Champ, Pinhead, Expert, Robot}) log.acted(seat, Move::Fold, 0);
    const int32_t pot = start.smallBlind + start.bigBlind + start.smallBet * 2;
    log.potPaid(You, pot);
    log.handEnded(pot, "You win");
}

std::array<int32_t, kSeatSlots> after(const HandLog& log) { return cashAfter(log.hands().back()); }

TEST_F(TrackerLayout, ALimitChangeKeepsTheTableAndANewGameOpensAnother) {
    foldToYou(log, startOf(kEven));
    // The limits go up between hands; the stacks carry over, so it is the same table.
    foldToYou(log, startOf(after(log), 8, 16));
    // New initial cash for every seat starts a new game at a new table.
    log.cashSet(300);
    foldToYou(log, startOf({0, 300, 300, 300, 300, 300, 300, 300, 300}, 8, 16));
    // A new game with the same stacks everywhere, without being told.
    foldToYou(log, startOf({0, 50, 50, 50, 50, 50, 50, 50, 50}, 8, 16));

    const auto opening = [&](size_t hand) {
        const std::vector<std::string> lines = linesOf(handText(log.hands()[hand]));
        return std::vector<std::string>(lines.begin(), lines.begin() + 4);
    };
    const std::string second = handText(log.hands()[1]);
    expectLines(second.substr(0, second.find("Seat 2:")),
                {
                    "PokerStars Hand #1000000000000002:  Hold'em Limit (8/16) - 2026/12/08 13:45:01 UTC "
                    "[2026/12/08 8:45:01 ET]",
                    "Table 'Trelvist Amateur 1' 8-max (Play Money) Seat #6 is the button",
                    "Seat 1: You (106 in chips)",
                });
    expectLines(second.substr(second.find("Expert: posts")),
                {
                    "Expert: posts small blind 4",
                    "Robot: posts big blind 8",
                    "*** HOLE CARDS ***",
                    "Dealt to You [Ah Kd]",
                    "You: raises 8 to 16",
                    "Freak: folds",
                    "Geek: folds",
                    "Master: folds",
                    "Champ: folds",
                    "Pinhead: folds",
                    "Expert: folds",
                    "Robot: folds",
                    "You collected 28 from pot",
                    "*** SUMMARY ***",
                    "Total pot 28 | Rake 0",
                    "Seat 1: You collected (28)",
                    "Seat 2: Freak folded before Flop (didn't bet)",
                    "Seat 3: Geek folded before Flop (didn't bet)",
                    "Seat 4: Master folded before Flop (didn't bet)",
                    "Seat 5: Champ folded before Flop (didn't bet)",
                    "Seat 6: Pinhead (button) folded before Flop (didn't bet)",
                    "Seat 7: Expert (small blind) folded before Flop",
                    "Seat 8: Robot (big blind) folded before Flop",
                });
    EXPECT_EQ(opening(2)[1], "Table 'Trelvist Amateur 3' 8-max (Play Money) Seat #6 is the button");
    EXPECT_EQ(opening(3)[1], "Table 'Trelvist Amateur 4' 8-max (Play Money) Seat #6 is the button");
    EXPECT_EQ(log.hands()[3].game, kFirst + 3);
}

TEST(TrackerLayoutLimits, LimitsNoRingGameRunsAreAFreerollsLevelAndBetsBelowNothingAreNotWritten) {
    useUtc();
    trelvist::testing::TempFolder folder;
    HandHistory history(folder.path().string(), [] { return kDealtAt; }, [](const std::string&) {});
    HandLog& log = history.log();
    // 6/12: readers know no ring game at those limits, so the game is written as a freeroll.
    foldToYou(log, startOf(kEven, 6, 12));
    expectLines(handText(log.hands()[0]).substr(0, handText(log.hands()[0]).find("Seat 2:")),
                {
                    "PokerStars Hand #1000000000000001: Tournament #1000000000000001, Freeroll  Hold'em Limit - "
                    "Level I (6/12) - 2026/12/08 13:45:01 UTC [2026/12/08 8:45:01 ET]",
                    "Table '1000000000000001 1' 8-max Seat #6 is the button",
                    "Seat 1: You (100 in chips)",
                });
    // Limits below nothing, from a hand-edited settings file: the hand stays in the log only.
    foldToYou(log, startOf(after(log), -4, -8));
    ASSERT_EQ(log.hands().size(), 2u);
    std::string file;
    ASSERT_EQ(readWholeFile(history.dayFile(kDealtAt), file), FileRead::Done);
    EXPECT_NE(file.find("Hand #1000000000000001:"), std::string::npos);
    EXPECT_EQ(file.find("Hand #1000000000000002:"), std::string::npos);
}

TEST_F(TrackerLayout, AHandCutShortEndsItsGame) {
    foldToYou(log, startOf(kEven));
    log.handStarted(startOf(after(log)));
    log.blindPosted(Expert, false, 2, 2);
    // A new game deals before the hand is settled; the stacks happen to be those it started with.
    foldToYou(log, startOf(log.hands().back().start.cash));
    EXPECT_EQ(log.hands()[1].state, HandState::Unfinished);
    EXPECT_EQ(log.hands()[2].game, log.hands()[2].number);
}

TEST(HandNumbers, AnOldCounterGoesOnInTheNewRange) {
    struct Case {
        const char* stored;
        int64_t next;
    };
    for (const Case& c : {Case{"", kFirstHandNumber + 1}, Case{"junk", kFirstHandNumber + 1},
                          Case{"1\n", kFirstHandNumber + 1}, Case{"4711\n", kFirstHandNumber + 4711},
                          Case{"1000000000000042\n", kFirstHandNumber + 42}}) {
        SCOPED_TRACE(c.stored);
        trelvist::testing::TempFolder folder;
        if (*c.stored) trelvist::testing::writeBytes(folder.file("next-hand-number"), c.stored);
        HandHistory history(folder.path().string(), [] { return kDealtAt; }, [](const std::string&) {});
        history.log().handStarted(startOf(kEven));
        EXPECT_EQ(history.log().hands().back().number, c.next);
    }
}

// The local time and zone come from TZ; the Eastern time in brackets never does.
TEST(HandTime, TheHeaderGivesTheLocalTimeAndTheEasternTime) {
    ::setenv("TZ", "Europe/Paris", 1);
    ::tzset();
    HandLog log([] { return int64_t{1796737501}; }, kFirst);
    log.handStarted(startOf(kEven));
    const std::string text = handText(log.hands().back());
    EXPECT_EQ(text.substr(0, text.find('\n')),
              "PokerStars Hand #1000000000000001:  Hold'em Limit (4/8) - 2026/12/08 14:45:01 CET "
              "[2026/12/08 8:45:01 ET]");
    useUtc();
}

TEST(HandTime, EasternTimeMatchesTheZoneDataAcrossTheYears) {
    ::setenv("TZ", "America/New_York", 1);
    ::tzset();
    std::mt19937_64 pick(3);
    std::vector<int64_t> moments;
    for (int i = 0; i < 20000; ++i) moments.push_back(static_cast<int64_t>(pick() % 4294967296ull));
    // Each side of every change of the clocks in a few years of each set of rules.
    for (int year : {1970, 1974, 1975, 1986, 1987, 2006, 2007, 2026, 2037, 2038, 2100}) {
        const int64_t jan1 = (year - 1970) * 31556952LL;
        for (int64_t t = jan1; t < jan1 + 31556952LL; t += 1800) moments.push_back(t);
    }
    for (int64_t t : moments) {
        const WallTime zone = wallTime(t);
        const WallTime eastern = easternTime(t);
        ASSERT_EQ(std::tie(eastern.year, eastern.month, eastern.day, eastern.hour, eastern.minute, eastern.second),
                  std::tie(zone.year, zone.month, zone.day, zone.hour, zone.minute, zone.second))
            << t << " " << zone.zone;
    }
    useUtc();
}

}  // namespace
}  // namespace trelvist::history
