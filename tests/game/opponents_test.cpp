// The opponents' decisions: when a turn raises, when an answer stays in, and what cash allows.
// The strength is set by the test (the opponents simulate no deal) and the rolls are scripted.
#include <gtest/gtest.h>

#include "tests/game/table_rig.h"

namespace trelvist {
namespace {

using testing::Rig;

struct RaiseCase {
    int street;
    int32_t strength;
    uint32_t keepRoll;  // after the pre-flop, the odds routine's roll: above 50 bars raising
    uint32_t roll;      // the turn's own roll
    bool raises;
};

// Freak takes the first turn after the human's check; the rows follow the chance table:
// pre-flop 50 above 30 and 100 above 40; flop and turn 70, 90, 100 above 20, 25, 30;
// river 90 above 20, 100 above 25; a raise needs a roll above 100 - chance.
const RaiseCase kRaiseCases[] = {
    {1, 30, 0, 99, false}, {1, 31, 0, 50, false}, {1, 31, 0, 51, true},  {1, 40, 0, 51, true},
    {1, 40, 0, 50, false}, {1, 41, 0, 1, true},   {1, 10000, 0, 0, false},
    {2, 20, 0, 99, false}, {2, 21, 0, 30, false}, {2, 21, 0, 31, true},  {2, 25, 0, 31, true},
    {2, 26, 0, 10, false}, {2, 26, 0, 11, true},  {2, 31, 0, 1, true},   {2, 31, 0, 0, false},
    {3, 21, 0, 30, false}, {3, 21, 0, 31, true},  {3, 26, 0, 10, false}, {3, 26, 0, 11, true},
    {3, 31, 50, 1, true},  {3, 10000, 0, 0, false}, {3, 10000, 51, 99, false},
    {4, 20, 0, 99, false}, {4, 21, 0, 10, false}, {4, 21, 0, 11, true},  {4, 25, 0, 11, true},
    {4, 26, 0, 1, true},   {4, 10000, 0, 0, false},
};

TEST(RaiseDecision, ChanceTableRollsAndTheKeepRoll) {
    for (const RaiseCase& c : kRaiseCases) {
        SCOPED_TRACE("street " + std::to_string(c.street) + ", strength " + std::to_string(c.strength) +
                     ", rolls " + std::to_string(c.keepRoll) + " " + std::to_string(c.roll));
        Rig rig;
        rig.midHand(c.street, Robot, c.strength);
        // On the flop an overpair passes the flop test; elsewhere Freak keeps a hand that
        // neither adjusts its strength nor wins a showdown the river's close may bring.
        if (c.street == 2) rig.hole(Freak, "Ac", "Ad");
        if (c.street > 1) rig.rolls({c.keepRoll});
        rig.rolls({c.roll});
        ASSERT_TRUE(rig.table.checkOrCall());
        EXPECT_EQ(rig.state().raised[Freak], c.raises);
        if (c.raises) {
            const int32_t bet = c.street <= 2 ? 4 : 8;
            EXPECT_EQ(rig.view().seats[Freak].status.text, "Raises");
            EXPECT_EQ(rig.state().cash[Freak], 1000 - bet);
        } else {
            EXPECT_EQ(rig.state().cash[Freak], 1000);
        }
    }
}

TEST(RaiseDecision, OnTheFlopAPairBelowAFlopCardNeverRaises) {
    // Rolls that raise at strength 10000 whenever the flop test lets the hand raise.
    const std::vector<uint32_t> raising{50, 99};
    Rig barred;
    barred.midHand(2, Robot, 10000);
    barred.hole(Freak, "2c", "5d");  // a pair of Twos under the Three and the Jack of the flop
    barred.rolls(raising);
    ASSERT_TRUE(barred.table.checkOrCall());
    EXPECT_FALSE(barred.state().raised[Freak]);

    Rig trips;
    trips.midHand(2, Robot, 10000);
    trips.hole(Freak, "3c", "3d");  // three Threes are not barred, though the Jack is higher
    trips.rolls(raising);
    ASSERT_TRUE(trips.table.checkOrCall());
    EXPECT_TRUE(trips.state().raised[Freak]);
}

struct StayCase {
    int street;
    int out;  // opponents out of the hand before Freak answers
    int32_t strength;
    bool folds;
};

// Freak answers Geek's raise when the human folds against it.
const StayCase kStayCases[] = {
    {1, 3, 26, true}, {1, 3, 27, false}, {1, 4, 21, false}, {1, 4, 20, true},
    {2, 2, 19, true}, {2, 2, 20, false}, {2, 3, 9, true},   {2, 3, 10, false},
    {3, 2, 19, true}, {3, 2, 20, false}, {3, 3, 6, true},   {3, 3, 7, false},
    {4, 2, 14, true}, {4, 2, 15, false}, {4, 3, 1, true},   {4, 3, 2, false}, {4, 5, 0, true},
};

TEST(StayInDecision, FoldThresholdsByStreetAndSeatsOut) {
    for (const StayCase& c : kStayCases) {
        SCOPED_TRACE("street " + std::to_string(c.street) + ", out " + std::to_string(c.out) + ", strength " +
                     std::to_string(c.strength));
        Rig rig;
        rig.midHand(c.street, Robot, c.strength);
        for (int seat = Robot; seat < Robot + c.out; ++seat) rig.fold(seat);
        rig.raiseBy(Geek, 8);
        ASSERT_TRUE(rig.table.fold());
        EXPECT_EQ(rig.state().folded[Freak], c.folds);
        EXPECT_EQ(rig.state().cash[Freak], c.folds ? 1000 : 992);
    }
}

TEST(RaiseDecision, ARaiseIsNotLimitedByCashAndPlaysAChipSound) {
    Rig rig;
    rig.midHand(3, Robot, 50);
    rig.state().cash[Freak] = 3;
    rig.state().soundOn = true;
    rig.rolls({50, 99, 40});  // Freak's two rolls, then the chip sound's
    ASSERT_TRUE(rig.table.checkOrCall());
    EXPECT_TRUE(rig.state().raised[Freak]);
    EXPECT_EQ(rig.state().cash[Freak], -5);
    EXPECT_EQ(rig.view().seats[Freak].cash, "-5");
    EXPECT_EQ(rig.sounds(), (std::vector<std::string>{"chip3.wav"}));
}

TEST(Answer, CashBelowTheAmountFoldsWhateverTheDecision) {
    Rig rig;
    rig.midHand(3, Robot, 10000);
    rig.state().cash[Freak] = 5;
    rig.raiseBy(Geek, 6);
    ASSERT_TRUE(rig.table.fold());
    EXPECT_TRUE(rig.state().folded[Freak]);
    EXPECT_EQ(rig.state().cash[Freak], 5);
    EXPECT_EQ(rig.erasedSeats(), (std::vector<int>{Freak, You}));
}

TEST(Answer, CallingWithTheLastChipsLeavesTheSeatOutOfEveryLaterAction) {
    Rig rig;
    rig.midHand(3, Geek, 20);
    rig.state().cash[Freak] = 5;
    rig.raiseBy(Geek, 5);
    ASSERT_TRUE(rig.table.checkOrCall());
    EXPECT_EQ(rig.state().cash[Freak], 0);
    EXPECT_EQ(rig.view().seats[Freak].status.text, "Calls") << "not live, so its status is not cleared";
    EXPECT_FALSE(rig.state().folded[Freak]);
    EXPECT_EQ(rig.draws(), 11u);

    // The human raises: Geek to Robot answer; Freak's turn does nothing; Geek's closes the turn.
    rig.forget();
    ASSERT_TRUE(rig.table.raise());
    EXPECT_EQ(rig.state().cash[Freak], 0);
    EXPECT_EQ(rig.view().seats[Freak].status.text, "Calls");
    EXPECT_EQ(rig.state().street, 4);
    EXPECT_EQ(rig.draws(), 18u) << "six answers and six river turns; Freak decides nothing";
}

}  // namespace
}  // namespace trelvist
