// The deal: what it writes, the end of the game, the moving blinds, the redraw and the shuffle.
#include <gtest/gtest.h>

#include <utility>
#include <map>
#include <string>

#include "tests/game/table_rig.h"

namespace trelvist::testing {
namespace {

class Deal : public TableTest {
protected:
    void SetUp() override {
        startUp();
        finishHand();
    }

    // The next deal puts the big blind on Robot, so that no opponent answers or acts.
    void nextBigBlindOnRobot() { state().blindSeat = Expert; }
};

TEST_F(Deal, WritesTheStatisticsAndTheCashInOrderFirst) {
    state().showdownCount = 3;
    state().handsPlayed = 7;
    state().handsWon = 2;
    const std::map<int, int32_t> cash{{Freak, 1001}, {You, 1002},    {Geek, 1003},   {Master, 1004},
                                      {Champ, 1005}, {Pinhead, 1006}, {Expert, 1007}, {Robot, 1008}};
    for (const auto& [seat, value] : cash) state().cash[seat] = value;
    nextBigBlindOnRobot();
    forget();

    ASSERT_TRUE(table.deal());
    EXPECT_EQ(store.writes, (Writes{{"Stats/showdowns", 3},
                                    {"Stats/handsplayed", 7},
                                    {"Stats/handswon", 2},
                                    {"Cash/freak", 1001},
                                    {"Cash/player", 1002},
                                    {"Cash/geek", 1003},
                                    {"Cash/master", 1004},
                                    {"Cash/champ", 1005},
                                    {"Cash/pinhead", 1006},
                                    {"Cash/expert", 1007},
                                    {"Cash/robot", 1008}}));
    // The hand is dealt after the writes: Expert small blind, Robot big blind.
    EXPECT_EQ(state().cash[Expert], 1005);
    EXPECT_EQ(state().cash[Robot], 1004);
    EXPECT_EQ(state().street, 1);
    EXPECT_FALSE(view().deal.enabled);
}

TEST_F(Deal, HumanWithoutCashLosesAfterTheWrites) {
    // The losing test comes first, even with every opponent broke as well.
    setCash(0);
    state().cash[Geek] = -4;
    const auto drawsBefore = table.random().draws();
    const std::vector<std::string> statusesBefore{view().seats[Freak].status.text, view().seats[Robot].status.text};
    forget();

    ASSERT_TRUE(table.deal());
    EXPECT_EQ(store.writes.size(), 11u);
    EXPECT_EQ(store.writes[4], (std::pair<std::string, int32_t>{"Cash/player", 0}));
    EXPECT_EQ(store.writes[5], (std::pair<std::string, int32_t>{"Cash/geek", -4}));
    EXPECT_EQ(describeAll(host.events), (std::vector<std::string>{kBoardErase, "message Game over: You lose!"}));
    EXPECT_EQ(buttons(), "-Deal -Check -Raise -Fold");
    // No hand: no shuffle, and the opponents keep the last hand's labels; the human's is cleared
    // and every label is plain white.
    EXPECT_EQ(table.random().draws(), drawsBefore);
    EXPECT_EQ(state().street, 5);
    EXPECT_EQ(view().seats[You].status.text, "");
    EXPECT_EQ(view().seats[Freak].status.text, statusesBefore[0]);
    EXPECT_EQ(view().seats[Robot].status.text, statusesBefore[1]);
    for (int seat : kSeatOrder) {
        EXPECT_EQ(view().seats[seat].status.color, LabelColor::White) << seat;
        EXPECT_FALSE(view().seats[seat].status.italic) << seat;
    }
    EXPECT_EQ(view().result.left, 456);

    // A disabled Deal does nothing.
    forget();
    EXPECT_FALSE(table.deal());
    EXPECT_TRUE(host.events.empty());
    EXPECT_TRUE(store.writes.empty());
}

TEST_F(Deal, HumanWithExactlyNothingLoses) {
    state().cash[You] = 0;
    forget();
    ASSERT_TRUE(table.deal());
    EXPECT_EQ(describeAll(host.events), (std::vector<std::string>{kBoardErase, "message Game over: You lose!"}));
    EXPECT_EQ(buttons(), "-Deal -Check -Raise -Fold");
}

TEST_F(Deal, EveryOpponentBrokeWins) {
    setCash(0);
    state().cash[You] = 500;
    state().cash[Pinhead] = -20;
    const auto drawsBefore = table.random().draws();
    forget();

    ASSERT_TRUE(table.deal());
    EXPECT_EQ(store.writes.size(), 11u);
    EXPECT_EQ(describeAll(host.events), (std::vector<std::string>{kBoardErase, "message Game over: You win!"}));
    EXPECT_EQ(buttons(), "-Deal -Check -Raise -Fold");
    EXPECT_EQ(table.random().draws(), drawsBefore);
    EXPECT_EQ(state().cash[You], 500);
}

TEST_F(Deal, OneOpponentWithOneChipStillGetsAHand) {
    setCash(0);
    state().cash[You] = 1200;
    state().cash[Freak] = 1;
    nextBigBlindOnRobot();
    forget();

    ASSERT_TRUE(table.deal());
    EXPECT_EQ(countKind(host.events, HostEvent::Message), 0);
    EXPECT_EQ(state().street, 1);
    EXPECT_EQ(state().seatsOut, 6);
    // Expert and Robot are broke: both labelled, neither pays, the pot opens at both blinds.
    EXPECT_EQ(view().seats[Expert].status.text, "Small Blind");
    EXPECT_EQ(view().seats[Robot].status.text, "Big Blind");
    EXPECT_EQ(state().cash[Expert], 0);
    EXPECT_EQ(state().cash[Robot], 0);
    EXPECT_EQ(state().pot, 6);
    EXPECT_TRUE(state().raised[Robot]);
    EXPECT_EQ(buttons(), "-Deal +Call +Raise +Fold");
    // Only the human and Freak are drawn.
    std::vector<std::string> expected{kBoardErase};
    for (const std::string& draw : preflopDraws(state())) expected.push_back(draw);
    EXPECT_EQ(expected.size(), 1u + 8u);
    EXPECT_EQ(describeAll(host.events), expected);
}

// Eight deals in a row take the big blind once round the table. Champ is broke throughout: at a
// blind position it is labelled and pays nothing. Every opponent that answers folds.
TEST_F(Deal, BlindsMoveOneSeatPerHandRoundTheTable) {
    const std::map<int, int> smallBlindOf{{You, Robot},    {Freak, You},    {Geek, Freak},  {Master, Geek},
                                          {Champ, Master}, {Pinhead, Champ}, {Expert, Pinhead}, {Robot, Expert}};
    // Start-up had the big blind on Robot; the next hand has it on the human.
    for (int big : {You, Freak, Geek, Master, Champ, Pinhead, Expert, Robot}) {
        SCOPED_TRACE("big blind on seat " + std::to_string(big));
        if (view().fold.enabled) finishHand();
        setCash(1200);
        state().cash[Champ] = 0;
        ASSERT_TRUE(table.deal());

        const int small = smallBlindOf.at(big);
        EXPECT_EQ(state().blindSeat, big);
        EXPECT_EQ(state().openerSeat, big);
        EXPECT_EQ(state().pot, 6);
        EXPECT_EQ(view().pot, "6");

        // The seats after the big blind, down to Robot, answer it; they fold.
        int answered = 0;
        for (int seat = big - 1; seat >= Robot; --seat) answered += seat != Champ;
        const bool allOut = 1 + answered == 7;
        EXPECT_EQ(state().seatsOut, allOut ? 7 : 1 + answered);

        for (int seat : kSeatOrder) {
            int32_t cash = seat == Champ ? 0 : 1200;
            if (seat == small && seat != Champ) cash -= 2;
            if (seat == big && seat != Champ) cash -= 4;
            if (seat == You && allOut) cash += 6;  // every opponent out: the human takes the pot
            EXPECT_EQ(state().cash[seat], cash) << "seat " << seat;
            EXPECT_EQ(view().seats[seat].cash, std::to_string(cash)) << "seat " << seat;

            std::string label;
            if (seat == big) label = "Big Blind";
            if (seat == small) label = "Small Blind";
            if (seat < big && seat != Champ) label = "Folds";
            EXPECT_EQ(view().seats[seat].status.text, label) << "seat " << seat;
        }
        // Only a big blind from Master on round to Robot holds the flag the human's call settles.
        const bool flagged = big <= Master;
        for (int seat : kOpponents) EXPECT_EQ(state().raised[seat], flagged && seat == big) << "seat " << seat;
        EXPECT_EQ(view().checkOrCall.enabled, !allOut);
        EXPECT_EQ(view().deal.enabled, allOut);
    }
}

TEST_F(Deal, SmallBetOfFiveBlindsTwoAndFiveAndLeavesTheCaptions) {
    setCash(1200);
    state().smallBet = 5;
    state().bigBet = 10;
    nextBigBlindOnRobot();
    ASSERT_EQ(view().checkOrCall.caption, "Check");  // the fold left it so
    ASSERT_TRUE(table.deal());
    EXPECT_EQ(state().smallBlind, 2);
    EXPECT_EQ(state().bigBlind, 5);
    EXPECT_EQ(state().toCall, 5);
    EXPECT_EQ(state().raiseAmount, 5);
    EXPECT_EQ(state().pot, 7);
    EXPECT_EQ(state().cash[Expert], 1198);
    EXPECT_EQ(state().cash[Robot], 1195);
    EXPECT_EQ(view().checkOrCall.caption, "Check");
    EXPECT_EQ(view().raise.caption, "Raise");
    EXPECT_TRUE(view().raise.enabled);
}

TEST_F(Deal, PreflopRedrawShowsFacesBacksAndNothingForBrokeSeats) {
    state().cardBack = 55;
    setCash(1200);
    state().cash[Master] = 0;
    state().cash[Pinhead] = -7;
    nextBigBlindOnRobot();
    forget();
    ASSERT_TRUE(table.deal());

    const TableState& s = state();
    const auto face = [&](int c) { return std::to_string(picture(s.hole(You)[c])); };
    const std::vector<std::string> expected{
        kBoardErase,
        "draw " + face(0) + " at 450 448", "trim 450 448",
        "draw 55 at 117 335", "trim 117 335",
        "draw 55 at 117 100", "trim 117 100",
        "draw 55 at 457 100", "trim 457 100",
        "draw 55 at 797 100", "trim 797 100",
        "draw 55 at 797 335", "trim 797 335",
        "draw " + face(1) + " at 490 461", "trim 490 461 keep",
        "draw 55 at 147 348", "trim 147 348 keep",
        "draw 55 at 147 113", "trim 147 113 keep",
        "draw 55 at 487 113", "trim 487 113 keep",
        "draw 55 at 827 113", "trim 827 113 keep",
        "draw 55 at 827 348", "trim 827 348 keep",
    };
    EXPECT_EQ(describeAll(host.events), expected);
}

// Each deal stirs the odds deck with 5001 swaps and then the deck with 20001, from the order
// the last deal left, and deals from fixed deck positions.
TEST_F(Deal, ShufflesFromTheLastOrderAndKeepsBothDecksWhole) {
    bool deckMoved = false;
    for (int hand = 0; hand < 60; ++hand) {
        SCOPED_TRACE("hand " + std::to_string(hand));
        if (view().fold.enabled) finishHand();
        setCash(1200);
        nextBigBlindOnRobot();

        Random probe = table.random();
        Deck odds = state().oddsDeck;
        Deck deck = state().deck;
        for (int i = 0; i < 5001; ++i) {
            const uint32_t a = probe.next() % 52;
            std::swap(odds[a], odds[probe.next() % 52]);
        }
        for (int i = 0; i < 20001; ++i) {
            const uint32_t a = probe.next() % 52;
            std::swap(deck[a], deck[probe.next() % 52]);
        }
        deckMoved |= deck != state().deck;
        ASSERT_TRUE(table.deal());

        const TableState& s = state();
        ASSERT_EQ(s.oddsDeck, odds);
        ASSERT_EQ(s.deck, deck);
        ASSERT_EQ(table.random().state(), probe.state());
        ASSERT_TRUE(isPermutation(s.deck));
        ASSERT_TRUE(isPermutation(s.oddsDeck));
        for (int i = 0; i < 8; ++i) {
            const int seat = kDealOrder[i];
            ASSERT_EQ(s.hole(seat)[0], s.deck[2 * i]) << "seat " << seat;
            ASSERT_EQ(s.hole(seat)[1], s.deck[2 * i + 1]) << "seat " << seat;
        }
        for (int i = 0; i < 5; ++i) ASSERT_EQ(s.board()[i], s.deck[kFirstBoardPosition + i]) << "board card " << i;
    }
    EXPECT_TRUE(deckMoved);
}

}  // namespace
}  // namespace trelvist::testing
