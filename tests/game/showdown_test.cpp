// The showdown: who takes part, how the hands compare, the result text and where it stands,
// the split of the pot, the statistics and writes, and the winnings target.
#include <gtest/gtest.h>

#include "tests/game/table_rig.h"

namespace trelvist {
namespace {

using testing::BasicRig;
using testing::Rig;
using testing::Statuses;
using testing::TestHost;

using Writes = std::vector<std::pair<std::string, int32_t>>;

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
    ASSERT_TRUE(rig.table.playerstays());
    ASSERT_EQ(rig.s().street, 5);
}

void setStats(Rig& rig) {
    rig.s().showdownCount = 5;
    rig.s().handsPlayed = 10;
    rig.s().handsWon = 3;
}

TEST(Showdown, TheHumanWinsAloneAndTheHandIsCountedAndWritten) {
    Rig rig;
    rig.midHand(4, You, 20);
    rig.hole(You, "As", "Ah");
    setStats(rig);
    rig.s().soundOn = true;
    riverCheck(rig);

    EXPECT_EQ(rig.d().theresult.text, "You win");
    EXPECT_EQ(rig.d().theresult.left, 462);
    EXPECT_EQ(rig.cash(), (std::vector<int32_t>{1100, 1000, 1000, 1000, 1000, 1000, 1000, 1000}));
    EXPECT_EQ(rig.d().cashLabel[You], "1100");
    EXPECT_EQ(rig.s().pot, 100) << "the pot stays until the next deal";
    EXPECT_EQ(rig.statuses(), (Statuses{"One pair Aces", "King", "King", "King", "King", "King", "King", "King"}));
    EXPECT_TRUE(rig.d().status[You].italic);
    EXPECT_EQ(rig.d().status[You].color, LabelColor::Yellow);
    EXPECT_FALSE(rig.d().status[Freak].italic);
    EXPECT_EQ(rig.d().status[Freak].color, LabelColor::White);
    EXPECT_EQ(rig.s().showdownCount, 6);
    EXPECT_EQ(rig.s().handsPlayed, 11);
    EXPECT_EQ(rig.s().handsWon, 4);
    EXPECT_EQ(rig.store.writes, payOutWrites({5, 10, 3}, rig.cash(), {6, 11, 4}))
        << "the counts as before the hand, then as after it";
    EXPECT_EQ(rig.sounds(), (std::vector<std::string>{"chip4.wav"}));
    EXPECT_TRUE(rig.s().potSettled);
    EXPECT_EQ(rig.buttons(), "+Deal -Check -Raise -Fold");
    EXPECT_EQ(rig.pictureAt(797, 335), picture(testing::card("Td"))) << "the opponents' cards are shown";
    EXPECT_EQ(rig.pictureAt(620, 243), picture(testing::card("4s")));
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
        EXPECT_EQ(rig.d().theresult.text, result.first);
        EXPECT_EQ(rig.d().theresult.left, result.second);
        EXPECT_EQ(rig.s().cash[seat], 1100);
        EXPECT_EQ(rig.s().handsWon, 0);
        EXPECT_EQ(rig.s().showdownCount, 1);
    }
}

TEST(Showdown, TiesSplitThePotAndTheOddChipIsLost) {
    {
        SCOPED_TRACE("Expert and Robot hold King, Jack, Ten");
        Rig rig;
        rig.midHand(4, You, 20);
        rig.s().pot = 101;
        riverCheck(rig);
        EXPECT_EQ(rig.d().theresult.text, "Expert , Robot win");
        EXPECT_EQ(rig.d().theresult.left, 430);
        EXPECT_EQ(rig.cash(), (std::vector<int32_t>{1000, 1000, 1000, 1000, 1000, 1000, 1050, 1050}));
        EXPECT_EQ(rig.s().pot, 101);
        EXPECT_TRUE(rig.d().status[Expert].italic && rig.d().status[Robot].italic);
    }
    {
        SCOPED_TRACE("You and Freak hold Ace, King, Queen");
        Rig rig;
        rig.midHand(4, You, 20);
        rig.s().pot = 101;
        rig.hole(You, "Ac", "Qd");
        rig.hole(Freak, "Ad", "Qc");
        riverCheck(rig);
        EXPECT_EQ(rig.d().theresult.text, "You , Freak win");
        EXPECT_EQ(rig.d().theresult.left, 430);
        EXPECT_EQ(rig.cash(), (std::vector<int32_t>{1050, 1050, 1000, 1000, 1000, 1000, 1000, 1000}));
        EXPECT_EQ(rig.s().handsWon, 1);
    }
    {
        SCOPED_TRACE("three winners of 100");
        Rig rig;
        rig.midHand(4, You, 20);
        rig.hole(Geek, "Ac", "Qd");
        rig.hole(Master, "Ad", "Qc");
        rig.hole(Champ, "Ah", "Qh");
        riverCheck(rig);
        EXPECT_EQ(rig.d().theresult.text, "Geek , Master , Champ win");
        EXPECT_EQ(rig.d().theresult.left, 430);
        EXPECT_EQ(rig.cash(), (std::vector<int32_t>{1000, 1000, 1033, 1033, 1033, 1000, 1000, 1000}));
        EXPECT_EQ(rig.s().handsWon, 0);
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
    ASSERT_TRUE(rig.table.playerpasses());
    EXPECT_EQ(rig.d().theresult.text, "Freak , Geek win");
    EXPECT_EQ(rig.d().theresult.left, 430);
    EXPECT_EQ(rig.s().cash[Freak], 1050);
    EXPECT_EQ(rig.s().cash[Geek], 1050);
}

TEST_F(KickerSums, TheHigherSumWinsAloneAndTheFoldedHumanIsOnlyCountedAsPlaying) {
    ASSERT_TRUE(rig.table.playerpasses());
    EXPECT_EQ(rig.d().theresult.text, "Master wins");
    EXPECT_EQ(rig.d().theresult.left, 445);
    EXPECT_EQ(rig.cash(), (std::vector<int32_t>{1000, 1000, 1000, 1100, 1000, 1000, 1000, 1000}));
    EXPECT_EQ(rig.d().status[You].text, "Folds");
    EXPECT_FALSE(rig.d().status[You].italic);
    EXPECT_EQ(rig.d().status[Freak].text, "One pair Sixes");
    EXPECT_EQ(rig.d().status[Master].text, "One pair Sixes");
    EXPECT_EQ(rig.s().handsPlayed, 11);
    EXPECT_EQ(rig.s().showdownCount, 5);
    EXPECT_EQ(rig.s().handsWon, 3);
}

TEST(Showdown, OneOpponentLeftAfterTheHumansFoldTakesThePotUnseen) {
    Rig rig;
    rig.midHand(4, Robot, 20);
    for (int seat : {Freak, Geek, Master, Champ, Pinhead, Expert}) rig.fold(seat);
    ASSERT_TRUE(rig.table.playerpasses());
    EXPECT_EQ(rig.statuses(), Statuses(8, ""));
    EXPECT_EQ(rig.d().theresult.text, "Robot wins");
    EXPECT_EQ(rig.d().theresult.left, 452);
    EXPECT_TRUE(rig.d().status[Robot].italic);
    EXPECT_EQ(rig.s().cash[Robot], 1100);
    EXPECT_EQ(rig.pictureAt(797, 335), kFirstBack) << "Robot's cards stay face down";
    for (auto [x, y] : {std::pair{320, 243}, {395, 253}, {470, 263}, {545, 253}, {620, 243}})
        EXPECT_FALSE(rig.drawnAt(x, y)) << "no board card at " << x;
    EXPECT_EQ(rig.s().handsPlayed, 1);
    EXPECT_EQ(rig.s().showdownCount, 0);
}

TEST(Showdown, ASeatWithCashZeroTakesNoPartEvenWithTheBestHand) {
    Rig rig;
    rig.midHand(4, You, 20);
    rig.hole(Freak, "As", "Ah");
    rig.s().cash[Freak] = 0;
    riverCheck(rig);
    EXPECT_EQ(rig.d().status[Freak].text, "");
    EXPECT_EQ(rig.d().theresult.text, "Expert , Robot win");
    EXPECT_EQ(rig.s().cash[Freak], 0);
    EXPECT_EQ(rig.s().cash[Expert], 1050);
}

TEST(Showdown, ReachedAgainInTheSameActionItPaysAndCountsOnce) {
    Rig rig;
    rig.midHand(4, Master, 20);
    rig.raiseBy(Freak, 8);
    setStats(rig);
    rig.s().soundOn = true;
    // The call settles Freak's raise; in the skipping chain Master's turn closes the river and
    // Champ to Robot, then the handler itself, reach the showdown again.
    ASSERT_TRUE(rig.table.playerstays());
    EXPECT_EQ(rig.s().street, 5);
    EXPECT_EQ(rig.draws(), 2u) << "only Geek decided";
    EXPECT_EQ(rig.cash(), (std::vector<int32_t>{992, 1000, 1000, 1000, 1000, 1000, 1054, 1054}));
    EXPECT_EQ(rig.store.writes, payOutWrites({5, 10, 3}, rig.cash(), {6, 11, 3}));
    EXPECT_EQ(rig.sounds(), (std::vector<std::string>{"chip4.wav"}));
    EXPECT_EQ(rig.s().handsPlayed, 11);
    EXPECT_EQ(rig.s().showdownCount, 6);
    EXPECT_EQ(rig.d().theresult.text, "Expert , Robot win");
}

// Records what the table shows when a message box comes up.
struct SnapshotHost : TestHost {
    const Table* table = nullptr;
    std::vector<std::string> youCashShown;
    std::vector<bool> dealEnabled;
    void showMessage(const std::string& caption, const std::string& text) override {
        TestHost::showMessage(caption, text);
        if (!table) return;
        youCashShown.push_back(table->display().cashLabel[You]);
        dealEnabled.push_back(table->display().btnnew.enabled);
    }
};

TEST(Showdown, TheWinningsTargetEndsTheGameOneBoxPerSeatInSeatOrder) {
    BasicRig<SnapshotHost> rig;
    rig.host.table = &rig.table;
    rig.midHand(4, You, 20);
    rig.hole(You, "As", "Ah");
    rig.s().cash[You] = 1750;   // 1850 after the pot: past 1200 + 600
    rig.s().cash[Robot] = 1900; // already past the target, though it loses this hand
    rig.forget();
    ASSERT_TRUE(rig.table.playerstays());
    std::vector<std::pair<std::string, std::string>> boxes;
    for (const testing::HostEvent& e : rig.host.events)
        if (e.kind == testing::HostEvent::Message) boxes.emplace_back(e.caption, e.text);
    EXPECT_EQ(boxes, (std::vector<std::pair<std::string, std::string>>{{"Game over", "You win!"}, {"Game over", "Robot wins"}}));
    ASSERT_EQ(rig.host.youCashShown.size(), 2u);
    EXPECT_EQ(rig.host.youCashShown[0], "1850") << "the box comes after the cash labels";
    EXPECT_TRUE(rig.host.dealEnabled[0]);
    EXPECT_FALSE(rig.d().btnnew.enabled) << "Deal stays disabled";
    EXPECT_FALSE(rig.d().btnstay.enabled);
}

TEST(Showdown, WhenNoSeatTakesPartThePlaceholderWinnerIsNamedAndNobodyIsPaid) {
    Rig rig;
    rig.midHand(4, Robot, 20);
    for (int seat : kOpponents) rig.s().cash[seat] = 0;  // all called with their last chips
    setStats(rig);
    rig.s().soundOn = true;
    ASSERT_TRUE(rig.table.playerpasses());
    EXPECT_EQ(rig.d().theresult.text, "Champ wins");
    EXPECT_EQ(rig.d().theresult.left, 452);
    EXPECT_TRUE(rig.d().status[Champ].italic);
    EXPECT_EQ(rig.d().status[Champ].color, LabelColor::Yellow);
    EXPECT_EQ(rig.cash(), (std::vector<int32_t>{1000, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(rig.s().handsWon, 3);
    EXPECT_EQ(rig.s().handsPlayed, 11);
    EXPECT_EQ(rig.s().showdownCount, 5);
    EXPECT_TRUE(rig.s().potSettled);
    EXPECT_EQ(rig.store.writes, payOutWrites({5, 10, 3}, rig.cash(), {5, 11, 3}));
    EXPECT_EQ(rig.sounds(), (std::vector<std::string>{"chip4.wav", "chip4.wav"}));
    EXPECT_TRUE(rig.d().btnnew.enabled);
}

}  // namespace
}  // namespace trelvist
