// The tracker figures on hands written out by hand, each with its answer worked out from the
// hand's history file as a tracker reads it.
#include <gtest/gtest.h>

#include <algorithm>

#include "stats/seat_figures.h"

namespace trelvist::stats {
namespace {

using history::Action;
using history::BlindPost;
using history::HandEvent;
using history::HandRecord;
using history::Payment;
using history::Shown;
using history::StreetTurned;

constexpr Move C = Move::Call, R = Move::Raise, F = Move::Fold, X = Move::Check;

// Freak posts the small blind and Geek the big one; Master acts first.
HandRecord handOf(std::vector<HandEvent> actions) {
    HandRecord hand;
    hand.start.smallBet = 4;
    hand.start.bigBet = 8;
    hand.state = history::HandState::Finished;
    hand.events = {BlindPost{Freak, false, 2, 2}, BlindPost{Geek, true, 4, 4}};
    hand.events.insert(hand.events.end(), actions.begin(), actions.end());
    return hand;
}

std::vector<HandEvent> foldsBy(std::initializer_list<int> seats) {
    std::vector<HandEvent> events;
    for (int seat : seats) events.push_back(Action{seat, F, 0});
    return events;
}

HandRecord walk() {
    auto events = foldsBy({Master, Champ, Pinhead, Expert, Robot, You, Freak});
    events.push_back(Payment{Geek, 6});
    return handOf(events);
}

HandRecord limpedPot() {
    std::vector<HandEvent> events{Action{Master, C, 4}};
    for (const HandEvent& e : foldsBy({Champ, Pinhead, Expert, Robot})) events.push_back(e);
    // The small blind pays the whole bet on top of its blind.
    for (const HandEvent& e : std::vector<HandEvent>{
             Action{You, C, 4}, Action{Freak, C, 4}, Action{Geek, X, 0},
             StreetTurned{2}, Action{Freak, R, 4}, Action{Geek, C, 4}, Action{Master, F, 0}, Action{You, C, 4},
             StreetTurned{3}, Action{Freak, X, 0}, Action{Geek, X, 0}, Action{You, R, 8}, Action{Freak, F, 0},
             Action{Geek, C, 8},
             StreetTurned{4}, Action{Geek, X, 0}, Action{You, X, 0},
             Shown{Geek, {}, "a pair"}, Shown{You, {}, "high card"}, Payment{Geek, 46}})
        events.push_back(e);
    return handOf(events);
}

HandRecord threeBet() {
    return handOf({Action{Master, R, 8}, Action{Champ, C, 8}, Action{Pinhead, R, 12}, Action{Expert, F, 0},
                   Action{Robot, F, 0}, Action{You, F, 0}, Action{Freak, F, 0}, Action{Geek, F, 0},
                   Action{Master, C, 4}, Action{Champ, F, 0},
                   StreetTurned{2}, Action{Master, X, 0}, Action{Pinhead, R, 4}, Action{Master, F, 0},
                   Payment{Pinhead, 42}});
}

HandRecord splitShowdown() {
    auto events = foldsBy({Master, Champ, Pinhead, Expert, Robot});
    for (const HandEvent& e : std::vector<HandEvent>{
             Action{You, C, 4}, Action{Freak, F, 0}, Action{Geek, X, 0},
             StreetTurned{2}, Action{Geek, X, 0}, Action{You, X, 0},
             StreetTurned{3}, Action{Geek, X, 0}, Action{You, X, 0},
             StreetTurned{4}, Action{Geek, R, 8}, Action{You, C, 8},
             Shown{Geek, {}, "a straight"}, Shown{You, {}, "a straight"}, Payment{Geek, 13}, Payment{You, 13}})
        events.push_back(e);
    return handOf(events);
}

TEST(SeatCounters, AWalkGivesTheBigBlindTheBlindsAndCountsNoFlop) {
    const TableCounters c = countHand(walk());
    EXPECT_EQ(c[Geek].net, 2);
    EXPECT_EQ(c[Freak].net, -2);
    // The big blind never acted, so it had its chance to put chips in and to raise.
    EXPECT_EQ(c[Geek].vpipChances, 1);
    EXPECT_EQ(c[Geek].vpip, 0);
    EXPECT_EQ(c[Geek].pfrChances, 1);
    // A blind folded gives no chance to put chips in voluntarily.
    EXPECT_EQ(c[Freak].vpipChances, 0);
    EXPECT_EQ(c[Master].vpipChances, 1);
    for (int seat : kSeatOrder) {
        EXPECT_EQ(c[seat].hands, 1);
        EXPECT_EQ(c[seat].sawFlop, 0);
        EXPECT_EQ(c[seat].cbetChances, 0);
        EXPECT_EQ(c[seat].threeBetChances, 0);
    }
}

TEST(SeatCounters, ALimpedPotCountsCallsStreetsSeenAndTheShowdown) {
    const TableCounters c = countHand(limpedPot());
    EXPECT_EQ(c[Master].vpip, 1);
    EXPECT_EQ(c[Freak].vpip, 1);
    EXPECT_EQ(c[You].vpip, 1);
    EXPECT_EQ(c[Geek].vpip, 0);
    for (int seat : {Master, Freak, You, Geek}) {
        EXPECT_EQ(c[seat].pfr, 0);
        EXPECT_EQ(c[seat].sawFlop, 1);
    }
    EXPECT_EQ(c[Champ].sawFlop, 0);
    EXPECT_EQ(c[Geek].sawShowdown, 1);
    EXPECT_EQ(c[You].sawShowdown, 1);
    EXPECT_EQ(c[Freak].sawShowdown, 0);
    EXPECT_EQ(c[Geek].wonAtShowdown, 1);
    EXPECT_EQ(c[Geek].wonWhenSawFlop, 1);
    EXPECT_EQ(c[You].wonAtShowdown, 0);
    EXPECT_EQ((std::array<int64_t, 3>{c[Freak].aggressiveStreets, c[Geek].aggressiveStreets, c[You].aggressiveStreets}),
              (std::array<int64_t, 3>{1, 0, 1}));
    EXPECT_EQ((std::array<int64_t, 3>{c[Freak].postflopCalls, c[Geek].postflopCalls, c[You].postflopCalls}),
              (std::array<int64_t, 3>{0, 2, 1}));
    EXPECT_EQ(c[Geek].net, 30);
    EXPECT_EQ(c[You].net, -16);
    EXPECT_EQ(c[Freak].net, -10);
    EXPECT_EQ(c[Master].net, -4);
    EXPECT_EQ(c[You].cbetChances + c[Freak].cbetChances, 0);  // nobody raised before the flop

    const SeatFigures geek = figuresOf(c[Geek], "Geek", "");
    EXPECT_EQ(geek.af, 0.0);
    EXPECT_EQ(figuresOf(c[Freak], "Freak", "").af, 1.0);  // no calls: the bets themselves
    EXPECT_EQ(figuresOf(c[Champ], "Champ", "").af, std::nullopt);
    EXPECT_EQ(geek.wtsd, 100.0);
    EXPECT_EQ(figuresOf(c[Master], "Master", "").wtsd, 0.0);
    EXPECT_EQ(figuresOf(c[Champ], "Champ", "").wtsd, std::nullopt);
}

TEST(SeatCounters, AThreeBetAndTheContinuationBetAfterIt) {
    const TableCounters c = countHand(threeBet());
    EXPECT_EQ(c[Master].pfr, 1);
    EXPECT_EQ(c[Pinhead].pfr, 1);
    EXPECT_EQ(c[Champ].pfr, 0);
    // After the first raise, each seat to act has a chance to three-bet until one does.
    EXPECT_EQ(c[Master].threeBetChances, 0);
    EXPECT_EQ(c[Champ].threeBetChances, 1);
    EXPECT_EQ(c[Champ].threeBets, 0);
    EXPECT_EQ(c[Pinhead].threeBetChances, 1);
    EXPECT_EQ(c[Pinhead].threeBets, 1);
    EXPECT_EQ(c[Expert].threeBetChances, 0);
    // The last raiser bets the flop; the turn and river count as chances though never dealt.
    EXPECT_EQ(c[Pinhead].cbetChances, 3);
    EXPECT_EQ(c[Pinhead].cbets, 1);
    EXPECT_EQ(c[Master].cbetChances, 0);
    EXPECT_EQ(c[Pinhead].net, 26);
    EXPECT_EQ(c[Master].net, -12);
    EXPECT_EQ(c[Pinhead].wonWhenSawFlop, 1);
    EXPECT_EQ(c[Pinhead].sawShowdown, 0);
}

TEST(SeatCounters, ASplitPotIsWonAtTheShowdownByBoth) {
    const TableCounters c = countHand(splitShowdown());
    for (int seat : {Geek, You}) {
        EXPECT_EQ(c[seat].sawShowdown, 1);
        EXPECT_EQ(c[seat].wonAtShowdown, 1);
        EXPECT_EQ(c[seat].net, 1);
    }
    EXPECT_EQ(figuresOf(c[You], "You", "").wsd, 100.0);
}

TEST(SeatCounters, ABigBlindNeverAskedBeforeTheFlopSeesNoStreet) {
    HandRecord hand = splitShowdown();
    // Its pre-flop check is its first action.
    hand.events.erase(std::find_if(hand.events.begin(), hand.events.end(), [](const HandEvent& e) {
        const auto* action = std::get_if<Action>(&e);
        return action && action->seat == Geek;
    }));
    const TableCounters c = countHand(hand);
    EXPECT_EQ(c[Geek].sawFlop, 0);
    EXPECT_EQ(c[Geek].sawShowdown, 0);
    EXPECT_EQ(c[Geek].wonAtShowdown, 0);
    EXPECT_EQ(c[Geek].net, 1);
    // Then You alone are left in: no showdown for You either.
    EXPECT_EQ(c[You].sawFlop, 0);
    EXPECT_EQ(c[You].sawShowdown, 0);
}

TEST(SeatCounters, SeatsSittingOutCountAsTrackersCountThemAndUnsettledHandsForNobody) {
    HandRecord hand = walk();
    hand.events[1] = BlindPost{Geek, true, 4, 0};  // a big blind without chips: the pot's
    std::erase_if(hand.events, [](const HandEvent& e) { return std::holds_alternative<Payment>(e); });
    hand.events.push_back(Payment{Freak, 6});
    // Listed as sitting out: dealt in, with chances to put money in and to raise, none taken.
    const SeatCounters geek = countHand(hand)[Geek];
    EXPECT_EQ(geek.hands, 1);
    EXPECT_EQ(geek.vpipChances, 1);
    EXPECT_EQ(geek.vpip, 0);
    EXPECT_EQ(geek.pfrChances, 1);
    EXPECT_EQ(geek.threeBetChances, 0);
    EXPECT_EQ(geek.net, 0);
    EXPECT_EQ(countHand(hand)[Freak].net, 4);

    // A small blind that takes the seat's last chip leaves the big blind, checking after the
    // others fold, nobody to raise against.
    auto events = foldsBy({Master, Champ, Pinhead, Expert, Robot, You});
    events.push_back(Action{Geek, X, 0});
    events.push_back(Payment{Geek, 6});
    HandRecord allIn = handOf(events);
    EXPECT_EQ(countHand(allIn)[Geek].pfrChances, 1);
    allIn.start.cash[Freak] = 2;
    EXPECT_EQ(countHand(allIn)[Geek].pfrChances, 0);
    // So does a call that takes a seat's last chip.
    std::vector<HandEvent> limp{Action{Master, C, 4}};
    for (const HandEvent& e : foldsBy({Champ, Pinhead, Expert, Robot, You, Freak})) limp.push_back(e);
    limp.push_back(Action{Geek, X, 0});
    limp.push_back(Payment{Geek, 10});
    HandRecord called = handOf(limp);
    EXPECT_EQ(countHand(called)[Geek].pfrChances, 1);
    called.start.cash[Master] = 4;
    EXPECT_EQ(countHand(called)[Geek].pfrChances, 0);

    hand.state = history::HandState::Unfinished;
    for (int seat : kSeatOrder) EXPECT_EQ(countHand(hand)[seat], SeatCounters{});
}

TEST(SeatFigures, StretchesAddUpToTheFiguresOfAll) {
    SeatCounters you;
    for (const HandRecord& hand : {walk(), limpedPot(), threeBet(), splitShowdown()}) you += countHand(hand)[You];
    const SeatFigures f = figuresOf(you, "You", "classic");
    EXPECT_EQ(f.hands, 4);
    EXPECT_EQ(f.vpip, 50.0);  // the limp and the split pot's call, in four chances
    EXPECT_EQ(f.pfr, 0.0);
    EXPECT_EQ(f.threeBet, std::nullopt);  // You acted only after the three-bet
    EXPECT_EQ(f.wtsd, 100.0);
    EXPECT_EQ(f.wsd, 50.0);
    EXPECT_EQ(f.net, -15);
    EXPECT_EQ(f.bbPer100, 100.0 * -15 / 32);
}

TEST(WinRateInterval, MatchesTheWorkedCase) {
    // Nets of 8, -8, 16 and 0 chips at a big bet of 8: 1, -1, 2 and 0 big bets, a mean of 0.5
    // (50 per 100 hands), a sample variance of 5/3 and a standard error of sqrt(5/12).
    SeatCounters c;
    for (int64_t net : {8, -8, 16, 0}) {
        SeatCounters hand;
        hand.hands = 1;
        hand.net = net;
        hand.netSquares = net * net;
        hand.bigBets = 8;
        c += hand;
    }
    const auto interval = winRateInterval(c);
    ASSERT_TRUE(interval);
    EXPECT_NEAR(interval->low, 50 - 126.5174, 1e-3);
    EXPECT_NEAR(interval->high, 50 + 126.5174, 1e-3);
    c.hands = 1;
    EXPECT_FALSE(winRateInterval(c));
}

}  // namespace
}  // namespace trelvist::stats
