// Refused settings writes: one error per action, every action makes all its writes (the store
// holds a refused action back whole), the deal then stops, and every other action completes in
// memory.
#include <gtest/gtest.h>

#include <string>

#include "tests/game/table_rig.h"

namespace trelvist::testing {
namespace {

const std::vector<std::string> kCashKeys{"Cash/freak",   "Cash/player",  "Cash/geek",   "Cash/master",
                                         "Cash/champ",   "Cash/pinhead", "Cash/expert", "Cash/robot"};

const std::vector<std::string> kStatsKeys{"Stats/showdowns", "Stats/handsplayed", "Stats/handswon"};

std::vector<std::string> statsThenCash() {
    std::vector<std::string> keys = kStatsKeys;
    keys.insert(keys.end(), kCashKeys.begin(), kCashKeys.end());
    return keys;
}

// A pay-out: the counts as they stood, then the chips and the counts after the hand.
std::vector<std::string> payOutKeys() {
    std::vector<std::string> keys = statsThenCash();
    keys.insert(keys.end(), kStatsKeys.begin(), kStatsKeys.end());
    return keys;
}

class RefusedWrites : public TableTest {
protected:
    void SetUp() override { startUp(); }
    // The next action's writes are refused from the given one on (1: all of them).
    void refuseFrom(int write) {
        forget();
        store.refuseFrom = write;
    }
    std::vector<std::string> errors() const { return host.texts(HostEvent::Error); }
};

TEST_F(RefusedWrites, ARefusedDealStopsAfterItsWritesAndTheBoardsErasure) {
    finishHand();
    TableState expected = state();
    expected.potSettled = false;
    const auto drawsBefore = table.random().draws();
    refuseFrom(1);

    EXPECT_TRUE(table.deal());
    EXPECT_EQ(describeAll(host.events), (std::vector<std::string>{kBoardErase, "error " + kRefusal}));
    EXPECT_EQ(store.attempted, statsThenCash());
    EXPECT_EQ(lines(state()), lines(expected));
    EXPECT_EQ(table.random().draws(), drawsBefore);
    EXPECT_EQ(buttons(), "+Deal -Check -Raise -Fold");
    EXPECT_EQ(view().result.left, 456);
    for (int seat : kSeatOrder) {
        EXPECT_EQ(view().seats[seat].status.color, LabelColor::White) << seat;
        EXPECT_FALSE(view().seats[seat].status.italic) << seat;
    }

    // Nothing was lost: once the file takes writes again, the same press deals the hand.
    store.acceptAll();
    state().blindSeat = Expert;  // the next big blind is Robot's: nobody answers it
    forget();
    EXPECT_TRUE(table.deal());
    EXPECT_TRUE(errors().empty());
    EXPECT_EQ(store.attempted, statsThenCash());
    EXPECT_EQ(state().street, 1);
    EXPECT_FALSE(view().deal.enabled);
}

TEST_F(RefusedWrites, ARefusedCashWriteStopsTheDealToo) {
    finishHand();
    store.refusedKey = "Cash/player";
    forget();
    EXPECT_TRUE(table.deal());
    EXPECT_EQ(errors(), std::vector<std::string>{kRefusal});
    EXPECT_EQ(store.attempted, statsThenCash());
    EXPECT_EQ(store.writes.size(), 10u);
    EXPECT_EQ(state().street, 5);
    EXPECT_TRUE(view().deal.enabled);
    EXPECT_EQ(countKind(host.events, HostEvent::Draw), 0);
}

// The human folds against Robot's big blind, which Freak to Expert call; Freak's pair of Aces
// beats every other seat's King high and takes the pot although the file refuses every write
// of the showdown.
TEST_F(RefusedWrites, RefusedShowdownStillSettlesTheHand) {
    TableState& s = state();
    board({"2c", "7d", "9h", "Js", "Kc"});
    for (int seat : kSeatOrder) hole(seat, "3d", "4h");
    hole(Freak, "As", "Ah");
    setStrength(10000);  // every answer calls
    refuseFrom(1);

    EXPECT_TRUE(table.fold());
    EXPECT_EQ(errors(), std::vector<std::string>{kRefusal});
    EXPECT_EQ(store.attempted, payOutKeys());
    EXPECT_TRUE(store.writes.empty());
    EXPECT_EQ(view().result.text, "Freak wins");
    EXPECT_EQ(s.pot, 6 + 6 * 4);
    EXPECT_EQ(s.cash[Freak], 1200 - 4 + 30);
    EXPECT_EQ(view().seats[Freak].cash, "1226");
    EXPECT_EQ(s.handsPlayed, 1);
    EXPECT_EQ(s.handsWon, 0);
    EXPECT_EQ(s.showdownCount, 0);
    EXPECT_TRUE(s.potSettled);
    EXPECT_EQ(buttons(), "+Deal -Check -Raise -Fold");

    // The next deal writes the settled hand.
    store.acceptAll();
    s.blindSeat = Expert;
    forget();
    ASSERT_TRUE(table.deal());
    EXPECT_EQ(Writes(store.writes.begin(), store.writes.begin() + 11), (Writes{{"Stats/showdowns", 0},
                                                                              {"Stats/handsplayed", 1},
                                                                              {"Stats/handswon", 0},
                                                                              {"Cash/freak", 1226},
                                                                              {"Cash/player", 1200},
                                                                              {"Cash/geek", 1196},
                                                                              {"Cash/master", 1196},
                                                                              {"Cash/champ", 1196},
                                                                              {"Cash/pinhead", 1196},
                                                                              {"Cash/expert", 1194},
                                                                              {"Cash/robot", 1196}}));
}

// A pay-out whose cash is not all stored still stores the hand's counts after it, so that the
// store holds the whole pay-out back.
TEST_F(RefusedWrites, ARefusedCashWriteOfThePayOutStillWritesTheCountsAfterIt) {
    forget();
    store.refusedKey = "Cash/player";
    EXPECT_TRUE(table.fold());
    EXPECT_EQ(store.attempted, payOutKeys());
    EXPECT_EQ(store.writes.size(), 13u);
    EXPECT_EQ(errors(), std::vector<std::string>{kRefusal});
    EXPECT_EQ(state().handsPlayed, 1);
}

// The human calls Robot's big blind; all seven opponents answer and fold, and the human takes
// the pot of 6 plus the call of 4.
TEST_F(RefusedWrites, RefusedAllOutWinStillPaysTheHuman) {
    refuseFrom(1);
    EXPECT_TRUE(table.checkOrCall());
    EXPECT_EQ(errors(), std::vector<std::string>{kRefusal});
    std::vector<std::string> keys = kCashKeys;
    keys.insert(keys.end(), kStatsKeys.begin(), kStatsKeys.end());
    EXPECT_EQ(store.attempted, keys);
    EXPECT_EQ(state().cash[You], 1200 - 4 + 10);
    EXPECT_EQ(view().seats[You].cash, "1206");
    EXPECT_EQ(state().handsPlayed, 1);
    EXPECT_EQ(state().handsWon, 1);
    EXPECT_EQ(view().result.text, "You win");
    EXPECT_EQ(buttons(), "+Deal -Check -Raise -Fold");
}

TEST_F(RefusedWrites, OptionsCompleteInMemoryWithOneErrorPerAction) {
    ASSERT_TRUE(table.toggleOptions());

    ASSERT_TRUE(table.typeInitialCash("500"));
    refuseFrom(1);
    EXPECT_TRUE(table.enterInitialCash());
    EXPECT_EQ(host.texts(HostEvent::Message), std::vector<std::string>{"New initial cash value confirmation"});
    EXPECT_EQ(errors(), std::vector<std::string>{kRefusal});
    EXPECT_EQ(state().initialCash, 500);
    for (int seat : kSeatOrder) EXPECT_EQ(view().seats[seat].cash, "500") << seat;

    ASSERT_TRUE(table.typePlayUntil("700"));
    refuseFrom(1);
    EXPECT_TRUE(table.enterPlayUntil());
    EXPECT_EQ(errors(), std::vector<std::string>{kRefusal});
    EXPECT_EQ(state().playUntil, 700);

    refuseFrom(1);
    EXPECT_TRUE(table.stepLimits(true));
    EXPECT_EQ(errors(), std::vector<std::string>{kRefusal});
    EXPECT_EQ(store.attempted, (std::vector<std::string>{"Bet/Small", "Bet/Big"}));
    EXPECT_EQ(state().bigBet, 8);
    EXPECT_EQ(view().panel.bigBetText, "8");

    refuseFrom(1);
    EXPECT_TRUE(table.chooseCardBack(3));
    EXPECT_EQ(errors(), std::vector<std::string>{kRefusal});
    EXPECT_EQ(state().cardBack, 55);
    EXPECT_EQ(drawsOnly(host.events), preflopDraws(state()));

    refuseFrom(1);
    EXPECT_TRUE(table.chooseLevel(2));
    EXPECT_EQ(errors(), std::vector<std::string>{kRefusal});
    EXPECT_EQ(state().aiLevel, 800);

    refuseFrom(1);
    EXPECT_TRUE(table.toggleSound());
    EXPECT_EQ(errors(), std::vector<std::string>{kRefusal});
    EXPECT_TRUE(state().soundOn);
    EXPECT_EQ(view().panel.soundText, "On");

    state().handsPlayed = 4;
    ASSERT_TRUE(table.showStats());
    refuseFrom(1);
    EXPECT_TRUE(table.resetStats());
    EXPECT_EQ(errors(), std::vector<std::string>{kRefusal});
    EXPECT_EQ(store.attempted, (std::vector<std::string>{"Stats/showdowns", "Stats/handsplayed", "Stats/handswon"}));
    EXPECT_EQ(state().handsPlayed, 0);
    EXPECT_EQ(view().stats.handsPlayed, "0");

    // Input the panel refuses writes nothing, so it reports no error either.
    ASSERT_TRUE(table.typeInitialCash("99"));
    refuseFrom(1);
    EXPECT_TRUE(table.enterInitialCash());
    EXPECT_TRUE(errors().empty());
    EXPECT_TRUE(store.attempted.empty());
}

using RefusedStartUpWrites = TableTest;

TEST_F(RefusedStartUpWrites, StartUpCarriesOnAfterARefusedWrite) {
    store.values.clear();
    store.refuseFrom = 1;
    startUp();
    EXPECT_EQ(host.texts(HostEvent::Error), std::vector<std::string>{kRefusal});
    EXPECT_EQ(store.attempted, (std::vector<std::string>{"Card/back", "Levels/comp"}));
    EXPECT_EQ(state().cardBack, 52);
    EXPECT_EQ(state().aiLevel, 400);
    EXPECT_EQ(view().seats[Expert].status.text, "Small Blind");
    EXPECT_EQ(view().seats[Robot].status.text, "Big Blind");
    EXPECT_EQ(state().pot, 6);
    EXPECT_EQ(buttons(), "-Deal +Call +Raise +Fold");
    const std::vector<std::string> draws = drawsOnly(host.events);
    const std::vector<std::string> expected = preflopDraws(state());
    ASSERT_GE(draws.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(draws.end() - static_cast<long>(expected.size()), draws.end()), expected);
}

// Start-up is one action: a refused back write and the refused cash writes of an all-out win
// in its first hand (the opponents simulate nothing and fold) give one error between them.
TEST_F(RefusedStartUpWrites, OneErrorAcrossTheWritesOfStartUp) {
    store.values[{"Cash", "expert"}] = 0;
    store.refuseFrom = 1;
    startUp();
    EXPECT_EQ(host.texts(HostEvent::Error), std::vector<std::string>{kRefusal});
    std::vector<std::string> keys{"Card/back"};
    keys.insert(keys.end(), kCashKeys.begin(), kCashKeys.end());
    keys.insert(keys.end(), kStatsKeys.begin(), kStatsKeys.end());
    EXPECT_EQ(store.attempted, keys);
    EXPECT_EQ(state().cash[You], 1202);
    EXPECT_EQ(view().result.text, "You win");
}

}  // namespace
}  // namespace trelvist::testing
