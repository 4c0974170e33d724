// The showdown: who takes part, how the hands compare, the result text and where it stands,
// the split of the pot, the statistics and writes, and the winnings target.
#include <gtest/gtest.h>

#include "tests/game/table_rig.h"

namespace trelvist {
namespace {

using testing::card;
using testing::Rig;
using testing::Statuses;
using testing::Writes;

struct Counts {
    int32_t showdowns, played, won;
};

// The pay-out's writes: the counts as before the hand, the cash, and the counts of the hand.
Writes payOutWrites(Counts before, const std::vector<int32_t>& cashYouFirst, Counts after) {
    // Cash keys go Freak, You, then Geek to Robot.
    return {{"Stats/showdowns", before.showdowns}, {"Stats/handsplayed", before.played}, {"Stats/handswon", before.won},
            {"Cash/freak", cashYouFirst[1]},       {"Cash/player", cashYouFirst[0]},     {"Cash/geek", cashYouFirst[2]},
            {"Cash/master", cashYouFirst[3]},      {"Cash/champ", cashYouFirst[4]},      {"Cash/pinhead", cashYouFirst[5]},
            {"Cash/expert", cashYouFirst[6]},      {"Cash/robot", cashYouFirst[7]},      {"Stats/showdowns", after.showdowns},
            {"Stats/handsplayed", after.played},   {"Stats/handswon", after.won}};
}

// The river with You as the opener: the human's check lets the opponents check (strength 20
// never raises on the river) and closes the hand.
void riverCheck(Rig& rig) {
    rig.forget();
    ASSERT_TRUE(rig.table.checkOrCall());
    ASSERT_EQ(rig.state().street, 5);
}

void setStats(Rig& rig) {
    rig.state().showdownCount = 5;
    rig.state().handsPlayed = 10;
    rig.state().handsWon = 3;
}

TEST(Showdown, TheHumanWinsAloneAndTheHandIsCountedAndWritten) {
    Rig rig;
    rig.midHand(4, You, 20);
    rig.hole(You, "As", "Ah");
    setStats(rig);
    rig.state().soundOn = true;
    riverCheck(rig);

    EXPECT_EQ(rig.view().result.text, "You win");
    EXPECT_EQ(rig.view().result.left, 462);
    EXPECT_EQ(rig.cash(), (std::vector<int32_t>{1100, 1000, 1000, 1000, 1000, 1000, 1000, 1000}));
    EXPECT_EQ(rig.view().seats[You].cash, "1100");
    EXPECT_EQ(rig.state().pot, 100) << "the pot stays until the next deal";
    EXPECT_EQ(rig.statuses(), (Statuses{"One pair Aces", "King", "King", "King", "King", "King", "King", "King"}));
    EXPECT_TRUE(rig.view().seats[You].status.italic);
    EXPECT_EQ(rig.view().seats[You].status.color, LabelColor::Yellow);
    EXPECT_FALSE(rig.view().seats[Freak].status.italic);
    EXPECT_EQ(rig.view().seats[Freak].status.color, LabelColor::White);
    EXPECT_EQ(rig.state().showdownCount, 6);
    EXPECT_EQ(rig.state().handsPlayed, 11);
    EXPECT_EQ(rig.state().handsWon, 4);
    EXPECT_EQ(rig.store.writes, payOutWrites({5, 10, 3}, rig.cash(), {6, 11, 4}))
        << "the counts as before the hand, then as after it";
    EXPECT_EQ(rig.sounds(), (std::vector<std::string>{"chip4.wav"}));
    EXPECT_TRUE(rig.state().potSettled);
    EXPECT_EQ(rig.buttons(), "+Deal -Check -Raise -Fold");
    EXPECT_EQ(rig.pictureAt(ui::kHolePlace[Robot].x, ui::kHolePlace[Robot].y), picture(card("Td")))
        << "the opponents' cards are shown";
    EXPECT_EQ(rig.pictureAt(ui::kBoardPlace[4]), picture(card("4s")));
}

TEST(Showdown, ASingleOpponentWinnerIsNamedAtItsLeftEdge) {
    const std::map<int, std::pair<std::string, int>> expected{
        {Freak, {"Freak wins", 452}},   {Geek, {"Geek wins", 452}},     {Master, {"Master wins", 445}},
        {Champ, {"Champ wins", 452}},   {Pinhead, {"Pinhead wins", 445}}, {Expert, {"Expert wins", 445}},
        {Robot, {"Robot wins", 452}},
    };
    for (const auto& [seat, result] : expected) {
        SCOPED_TRACE(result.first);
        Rig rig;
        rig.midHand(4, You, 20);
        rig.hole(seat, "As", "Ah");
        riverCheck(rig);
        EXPECT_EQ(rig.view().result.text, result.first);
        EXPECT_EQ(rig.view().result.left, result.second);
        EXPECT_EQ(rig.state().cash[seat], 1100);
        EXPECT_EQ(rig.state().handsWon, 0);
        EXPECT_EQ(rig.state().showdownCount, 1);
    }
}

TEST(Showdown, TiesSplitThePotAndTheOddChipIsLost) {
    {
        SCOPED_TRACE("Expert and Robot hold King, Jack, Ten");
        Rig rig;
        rig.midHand(4, You, 20);
        rig.state().pot = 101;
        riverCheck(rig);
        EXPECT_EQ(rig.view().result.text, "Expert , Robot win");
        EXPECT_EQ(rig.view().result.left, 430);
        EXPECT_EQ(rig.cash(), (std::vector<int32_t>{1000, 1000, 1000, 1000, 1000, 1000, 1050, 1050}));
        EXPECT_EQ(rig.state().pot, 101);
        EXPECT_TRUE(rig.view().seats[Expert].status.italic && rig.view().seats[Robot].status.italic);
    }
    {
        SCOPED_TRACE("You and Freak hold Ace, King, Queen");
        Rig rig;
        rig.midHand(4, You, 20);
        rig.state().pot = 101;
        rig.hole(You, "Ac", "Qd");
        rig.hole(Freak, "Ad", "Qc");
        riverCheck(rig);
        EXPECT_EQ(rig.view().result.text, "You , Freak win");
        EXPECT_EQ(rig.view().result.left, 430);
        EXPECT_EQ(rig.cash(), (std::vector<int32_t>{1050, 1050, 1000, 1000, 1000, 1000, 1000, 1000}));
        EXPECT_EQ(rig.state().handsWon, 1);
    }
    {
        SCOPED_TRACE("three winners of 100");
        Rig rig;
        rig.midHand(4, You, 20);
        rig.hole(Geek, "Ac", "Qd");
        rig.hole(Master, "Ad", "Qc");
        rig.hole(Champ, "Ah", "Qh");
        riverCheck(rig);
        EXPECT_EQ(rig.view().result.text, "Geek , Master , Champ win");
        EXPECT_EQ(rig.view().result.left, 430);
        EXPECT_EQ(rig.cash(), (std::vector<int32_t>{1000, 1000, 1033, 1033, 1033, 1000, 1000, 1000}));
        EXPECT_EQ(rig.state().handsWon, 0);
    }
}

// On the board 6 6 A 2 3 a pair of Sixes scores its kickers as 10, 3 and 1 times their ranks:
// Ten, Four gives 146 and Nine, Seven gives 146 too; Nine, Eight gives 147.
class KickerSums : public ::testing::Test {
protected:
    void SetUp() override {
        rig.midHand(4, Robot, 20);
        rig.board({"6s", "6d", "Ac", "2h", "3d"});
        rig.hole(Freak, "Tc", "4s");
        rig.hole(Geek, "9d", "7c");
        rig.hole(Master, "9c", "8h");
        for (int seat : {Champ, Pinhead, Expert, Robot}) rig.fold(seat);
        setStats(rig);
    }
    Rig rig;
};

TEST_F(KickerSums, EqualSumsTie) {
    rig.fold(Master);
    ASSERT_TRUE(rig.table.fold());
    EXPECT_EQ(rig.view().result.text, "Freak , Geek win");
    EXPECT_EQ(rig.view().result.left, 430);
    EXPECT_EQ(rig.state().cash[Freak], 1050);
    EXPECT_EQ(rig.state().cash[Geek], 1050);
}

TEST_F(KickerSums, TheHigherSumWinsAloneAndTheFoldedHumanIsOnlyCountedAsPlaying) {
    ASSERT_TRUE(rig.table.fold());
    EXPECT_EQ(rig.view().result.text, "Master wins");
    EXPECT_EQ(rig.view().result.left, 445);
    EXPECT_EQ(rig.cash(), (std::vector<int32_t>{1000, 1000, 1000, 1100, 1000, 1000, 1000, 1000}));
    EXPECT_EQ(rig.view().seats[You].status.text, "Folds");
    EXPECT_FALSE(rig.view().seats[You].status.italic);
    EXPECT_EQ(rig.view().seats[Freak].status.text, "One pair Sixes");
    EXPECT_EQ(rig.view().seats[Master].status.text, "One pair Sixes");
    EXPECT_EQ(rig.state().handsPlayed, 11);
    EXPECT_EQ(rig.state().showdownCount, 5);
    EXPECT_EQ(rig.state().handsWon, 3);
}

TEST(Showdown, OneOpponentLeftAfterTheHumansFoldTakesThePotUnseen) {
    Rig rig;
    rig.midHand(4, Robot, 20);
    for (int seat : {Freak, Geek, Master, Champ, Pinhead, Expert}) rig.fold(seat);
    ASSERT_TRUE(rig.table.fold());
    EXPECT_EQ(rig.statuses(), Statuses(8, ""));
    EXPECT_EQ(rig.view().result.text, "Robot wins");
    EXPECT_EQ(rig.view().result.left, 452);
    EXPECT_TRUE(rig.view().seats[Robot].status.italic);
    EXPECT_EQ(rig.state().cash[Robot], 1100);
    EXPECT_EQ(rig.pictureAt(ui::kHolePlace[Robot].x, ui::kHolePlace[Robot].y), kFirstBack) << "Robot's cards stay face down";
    for (ui::Point p : ui::kBoardPlace) EXPECT_EQ(rig.pictureAt(p), -1) << "no board card at " << p.x;
    EXPECT_EQ(rig.state().handsPlayed, 1);
    EXPECT_EQ(rig.state().showdownCount, 0);
}

TEST(Showdown, ASeatWithCashZeroTakesNoPartEvenWithTheBestHand) {
    Rig rig;
    rig.midHand(4, You, 20);
    rig.hole(Freak, "As", "Ah");
    rig.state().cash[Freak] = 0;
    riverCheck(rig);
    EXPECT_EQ(rig.view().seats[Freak].status.text, "");
    EXPECT_EQ(rig.view().result.text, "Expert , Robot win");
    EXPECT_EQ(rig.state().cash[Freak], 0);
    EXPECT_EQ(rig.state().cash[Expert], 1050);
}

TEST(Showdown, ReachedAgainInTheSameActionItPaysAndCountsOnce) {
    Rig rig;
    rig.midHand(4, Master, 20);
    rig.raiseBy(Freak, 8);
    setStats(rig);
    rig.state().soundOn = true;
    // The call settles Freak's raise; in the skipping chain Master's turn closes the river and
    // Champ to Robot, then the handler itself, reach the showdown again.
    ASSERT_TRUE(rig.table.checkOrCall());
    EXPECT_EQ(rig.state().street, 5);
    EXPECT_EQ(rig.draws(), 2u) << "only Geek decided";
    EXPECT_EQ(rig.cash(), (std::vector<int32_t>{992, 1000, 1000, 1000, 1000, 1000, 1054, 1054}));
    EXPECT_EQ(rig.store.writes, payOutWrites({5, 10, 3}, rig.cash(), {6, 11, 3}));
    EXPECT_EQ(rig.sounds(), (std::vector<std::string>{"chip4.wav"}));
    EXPECT_EQ(rig.state().handsPlayed, 11);
    EXPECT_EQ(rig.state().showdownCount, 6);
    EXPECT_EQ(rig.view().result.text, "Expert , Robot win");
}

TEST(Showdown, TheWinningsTargetEndsTheGameOneBoxPerSeatInSeatOrder) {
    Rig rig;
    std::vector<std::string> youCashShown;  // what the table shows while each box is up
    std::vector<bool> dealEnabled;
    rig.host.insideMessage = [&] {
        youCashShown.push_back(rig.view().seats[You].cash);
        dealEnabled.push_back(rig.view().deal.enabled);
    };
    rig.midHand(4, You, 20);
    rig.hole(You, "As", "Ah");
    rig.state().cash[You] = 1750;   // 1850 after the pot: past 1200 + 600
    rig.state().cash[Robot] = 1900; // already past the target, though it loses this hand
    rig.forget();
    ASSERT_TRUE(rig.table.checkOrCall());
    std::vector<std::pair<std::string, std::string>> boxes;
    for (const testing::HostEvent& e : rig.host.events)
        if (e.kind == testing::HostEvent::Message) boxes.emplace_back(e.caption, e.text);
    EXPECT_EQ(boxes, (std::vector<std::pair<std::string, std::string>>{{"Game over", "You win!"}, {"Game over", "Robot wins"}}));
    ASSERT_EQ(youCashShown.size(), 2u);
    EXPECT_EQ(youCashShown[0], "1850") << "the box comes after the cash labels";
    EXPECT_TRUE(dealEnabled[0]);
    EXPECT_FALSE(rig.view().deal.enabled) << "Deal stays disabled";
    EXPECT_FALSE(rig.view().checkOrCall.enabled);
}

TEST(Showdown, WhenNoSeatTakesPartThePlaceholderWinnerIsNamedAndNobodyIsPaid) {
    Rig rig;
    rig.midHand(4, Robot, 20);
    for (int seat : kOpponents) rig.state().cash[seat] = 0;  // all called with their last chips
    setStats(rig);
    rig.state().soundOn = true;
    ASSERT_TRUE(rig.table.fold());
    EXPECT_EQ(rig.view().result.text, "Champ wins");
    EXPECT_EQ(rig.view().result.left, 452);
    EXPECT_TRUE(rig.view().seats[Champ].status.italic);
    EXPECT_EQ(rig.view().seats[Champ].status.color, LabelColor::Yellow);
    EXPECT_EQ(rig.cash(), (std::vector<int32_t>{1000, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(rig.state().handsWon, 3);
    EXPECT_EQ(rig.state().handsPlayed, 11);
    EXPECT_EQ(rig.state().showdownCount, 5);
    EXPECT_TRUE(rig.state().potSettled);
    EXPECT_EQ(rig.store.writes, payOutWrites({5, 10, 3}, rig.cash(), {5, 11, 3}));
    EXPECT_EQ(rig.sounds(), (std::vector<std::string>{"chip4.wav", "chip4.wav"}));
    EXPECT_TRUE(rig.view().deal.enabled);
}

}  // namespace
}  // namespace trelvist
