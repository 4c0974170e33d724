// The history files read back: hands a real table played, written and read again, give the same
// text and the same seat counters; hands the room layout has no plain line for (unpaid blinds,
// a seat in debt, limits no ring game runs) come back too, and so do files of the older layout.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <random>

#include "game/table.h"
#include "history/hand_history.h"
#include "history/hand_log.h"
#include "history/hand_reader.h"
#include "history/hand_text.h"
#include "stats/seat_counters.h"
#include "tests/support/test_host.h"

namespace trelvist::history {
namespace {

using trelvist::testing::MemoryStore;
using trelvist::testing::TestHost;

// 2026-12-08 13:45:01 UTC
constexpr int64_t kDealtAt = 1796737501;

void useZone(const char* zone) {
    ::setenv("TZ", zone, 1);
    ::tzset();
}

void expectSameHands(const std::vector<HandRecord>& written) {
    std::string text;
    for (const HandRecord& hand : written) text += handText(hand) + "\n";
    const std::vector<HandRecord> read = readHands(text);
    ASSERT_EQ(read.size(), written.size());
    for (size_t i = 0; i < written.size(); ++i) {
        SCOPED_TRACE("hand " + std::to_string(written[i].number));
        EXPECT_EQ(handText(read[i]), handText(written[i]));
        EXPECT_EQ(read[i].time, written[i].time);
        EXPECT_EQ(read[i].game, written[i].game);
        // A seat in debt is written with no chips, so what each seat won or lost is compared.
        const auto moved = [](const HandRecord& hand) {
            std::array<int64_t, kSeatSlots> change{};
            const auto after = cashAfter(hand);
            for (int seat : kSeatOrder) change[seat] = int64_t{after[seat]} - hand.start.cash[seat];
            return change;
        };
        EXPECT_EQ(moved(read[i]), moved(written[i]));
        EXPECT_EQ(stats::countHand(read[i]), stats::countHand(written[i]));
    }
}

// A table played by presses drawn from a seeded generator; a game that ends starts anew.
std::vector<HandRecord> playedHands(uint32_t seed, int hands) {
    TestHost host;
    host.now = seed;
    MemoryStore store;
    Table table(host, store);
    HandLog log([] { return kDealtAt; }, kFirstHandNumber + 1);
    table.addObserver(host);
    table.addObserver(log);
    std::mt19937 random(seed);
    for (int presses = 0; presses < hands * 40 && static_cast<int>(log.hands().size()) < hands; ++presses) {
        const TableView& view = table.view();
        if (view.deal.enabled) {
            table.press({Control::Deal});
            continue;
        }
        std::vector<Control> choices;
        if (view.checkOrCall.enabled) choices.insert(choices.end(), 3, Control::CheckOrCall);
        if (view.raise.enabled) choices.insert(choices.end(), 2, Control::Raise);
        if (view.fold.enabled) choices.push_back(Control::Fold);
        if (choices.empty()) choices.push_back(Control::NewGame);
        table.press({choices[random() % choices.size()]});
    }
    return log.hands();
}

TEST(HandReader, TablePlayedHandsComeBackWithTheSameTextAndCounters) {
    useZone("Europe/Berlin");  // a zone with summer time, so the clock is read back through it
    for (uint32_t seed : {7u, 1234u, 99999u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const std::vector<HandRecord> hands = playedHands(seed, 150);
        ASSERT_GE(hands.size(), 100u);
        expectSameHands(hands);
    }
}

Card c(const char* text) {
    const std::string ranks = "23456789TJQKA", suits = "cdhs";
    return Card{static_cast<int32_t>(suits.find(text[1])), static_cast<int32_t>(ranks.find(text[0]))};
}

HandStart startOf(std::array<int32_t, kSeatSlots> cash, int32_t smallBet, int32_t bigBet) {
    HandStart start{smallBet, bigBet, smallBet / 2, smallBet, 600, cash, {c("Ah"), c("Kd")}, {}};
    start.board = {c("2c"), c("7d"), c("9h"), c("Js"), c("3c")};
    return start;
}

TEST(HandReader, UnpaidBlindsDebtsAndFreerollLimitsComeBack) {
    useZone("UTC");
    HandLog log([] { return kDealtAt; }, kFirstHandNumber + 1);
    //                                            -  Robot Expert Pinhead Champ Master Geek Freak You
    constexpr std::array<int32_t, kSeatSlots> kDebts{0, -2, 0, 100, 100, 100, 100, 100, 100};
    // Both blinds owed by seats without chips; You call and win.
    log.handStarted(startOf(kDebts, 4, 8));
    log.blindPosted(Expert, false, 2, 0);
    log.blindPosted(Robot, true, 4, 0);
    log.acted(You, Move::Call, 4);
    for (int seat : {Freak, Geek, Master, Champ, Pinhead}) log.acted(seat, Move::Fold, 0);
    log.potPaid(You, 10);
    log.handEnded(10, "You win");
    // Limits no ring game runs: written as a freeroll's level; a raised pot to the river,
    // a showdown and a split with an odd chip nobody is paid.
    log.handStarted(startOf({0, 100, 100, 100, 100, 100, 100, 100, 100}, 6, 12));
    log.blindPosted(Expert, false, 3, 3);
    log.blindPosted(Robot, true, 6, 6);
    log.acted(You, Move::Raise, 12);
    log.acted(Freak, Move::Call, 12);
    for (int seat : {Geek, Master, Champ, Pinhead, Expert}) log.acted(seat, Move::Fold, 0);
    log.acted(Robot, Move::Call, 6);
    for (int street = kFlop; street <= kRiver; ++street) {
        log.streetTurned(street, std::span<const Card>(log.hands().back().start.board).first(boardCardsOf(street)));
        log.acted(You, Move::Raise, street == kFlop ? 6 : 12);
        log.acted(Freak, Move::Raise, street == kFlop ? 12 : 24);
        log.acted(Robot, Move::Fold, 0);
        log.acted(You, Move::Call, street == kFlop ? 6 : 12);
        if (street == kFlop) break;
    }
    log.streetTurned(kTurn, std::span<const Card>(log.hands().back().start.board).first(4));
    log.acted(You, Move::Check, 0);
    log.acted(Freak, Move::Check, 0);
    log.streetTurned(kRiver, log.hands().back().start.board);
    log.acted(You, Move::Check, 0);
    log.acted(Freak, Move::Check, 0);
    log.showedDown(You, {c("Ah"), c("Kd")}, "High card, Ace");
    log.showedDown(Freak, {c("As"), c("Kc")}, "High card, Ace");
    log.potPaid(You, 40);
    log.potPaid(Freak, 40);
    log.handEnded(81, "You and Freak split");
    // Cut short: the next hand is dealt before this one is settled.
    log.handStarted(startOf(kDebts, 4, 8));
    log.blindPosted(Expert, false, 2, 0);
    log.blindPosted(Robot, true, 4, 0);
    log.acted(You, Move::Raise, 8);

    ASSERT_EQ(log.hands().size(), 3u);
    expectSameHands(log.hands());
    const std::vector<HandRecord> read = readHands(handText(log.hands()[0]) + "\n" + handText(log.hands()[1]));
    ASSERT_EQ(read.size(), 2u);
    const std::vector<HandEvent> unpaid{BlindPost{Expert, false, 2, 0}, BlindPost{Robot, true, 4, 0}};
    EXPECT_EQ(std::vector<HandEvent>(read[0].events.begin(), read[0].events.begin() + 2), unpaid);
    EXPECT_EQ(read[0].start.cash[Robot], 0) << "a debt is written as no chips";
    EXPECT_EQ(read[1].game, log.hands()[1].game) << "the freeroll's tournament is the game";
    EXPECT_EQ(read[1].pot, 81);
    EXPECT_EQ(read[1].state, HandState::Finished);
    // A file that ends within a hand gives the hand as far as it goes, not settled.
    const std::string cut = handText(log.hands()[1]);
    const std::vector<HandRecord> partial = readHands(cut.substr(0, cut.find("*** TURN")));
    ASSERT_EQ(partial.size(), 1u);
    EXPECT_EQ(partial[0].state, HandState::Unfinished);
    EXPECT_EQ(lastStreetShown(partial[0]), kFlop);
}

TEST(HandReader, TheOlderLayoutIsReadToo) {
    useZone("UTC");
    const std::vector<HandRecord> read = readHands(
        "Trelvist Hand #42: Hold'em Limit (4/8) - 2026/12/08 13:45:01 UTC\n"
        "Table 'Trelvist Master' 8-max Seat #2 is the button\n"
        "Seat 1: You (100 in chips)\n"
        "Seat 2: Freak (50 in chips)\n"
        "Seat 3: Geek (0 in chips) is sitting out\n"
        "Geek: posts small blind 2 (not paid: no chips)\n"
        "Master: posts big blind 4\n"
        "*** HOLE CARDS ***\n"
        "Dealt to You [Ah Kd]\n"
        "You: raises 4 to 8\n"
        "Freak: folds\n"
        "Master: calls 4\n"
        "*** FLOP *** [2c 7d 9h]\n"
        "Master: bets 4\n"
        "You: folds\n"
        "Master collected 18 from pot\n"
        "*** SUMMARY ***\n"
        "Total pot 18 | Rake 0\n");
    ASSERT_EQ(read.size(), 1u);
    const HandRecord& hand = read[0];
    EXPECT_EQ(hand.number, 42);
    EXPECT_EQ(hand.time, kDealtAt);
    EXPECT_EQ(hand.start.level, 800);
    EXPECT_EQ(hand.start.smallBet, 4);
    EXPECT_EQ(hand.start.bigBet, 8);
    EXPECT_EQ(hand.start.cash[Freak], 50);
    EXPECT_EQ(hand.start.yourCards, (std::array<Card, 2>{c("Ah"), c("Kd")}));
    EXPECT_EQ(hand.start.board[2], c("9h"));
    const std::vector<HandEvent> events{
        BlindPost{Geek, false, 2, 0}, BlindPost{Master, true, 4, 4}, Action{You, Move::Raise, 8},
        Action{Freak, Move::Fold, 0}, Action{Master, Move::Call, 4}, StreetTurned{kFlop},
        Action{Master, Move::Raise, 4}, Action{You, Move::Fold, 0}, Payment{Master, 18},
    };
    EXPECT_EQ(hand.events, events);
    EXPECT_EQ(hand.pot, 18);
    EXPECT_EQ(hand.state, HandState::Finished);
}

}  // namespace
}  // namespace trelvist::history
