// The betting round: the opening of the pre-flop, the settling of raises, the two chains of
// turns, the human's Raise, Check/Call and Fold, the passing of the opener role and the
// all-out win. Every expected number is worked out by hand from the betting rules.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/game/table_rig.h"

namespace trelvist {
namespace {

using testing::card;
using testing::kNeutralHoles;
using testing::Rig;
using testing::Statuses;

const std::vector<int32_t> kAll1000(8, 1000);

// Lays the neutral hands and board where the deal takes them from and makes the next shuffle
// still, so that the next deal gives every seat its neutral cards.
void stackNeutralDeal(Rig& rig) {
    Deck& deck = rig.state().deck;
    const auto bring = [&](int position, const char* text) {
        std::swap(deck[position], *std::find(deck.begin(), deck.end(), card(text)));
    };
    for (int i = 0; i < 8; ++i)
        for (int c = 0; c < 2; ++c) bring(2 * i + c, kNeutralHoles.at(testing::kDealOrder[i])[c]);
    for (int i = 0; i < 5; ++i) bring(testing::kFirstBoardPosition + i, testing::kNeutralBoard[i]);
    rig.stillShuffle();
}

// Folds the start-up hand so that Deal can be pressed, then deals a hand with the big blind on
// `big`, every seat holding 1000 (or the cash given) and every opponent deciding on `strength`;
// the draws after the shuffle give the rolls given.
void dealWithBigBlind(Rig& rig, int big, int32_t strength, const std::map<int, int32_t>& cash = {},
                      const std::vector<uint32_t>& rolls = {}) {
    rig.setStrength(-10000);
    ASSERT_TRUE(rig.table.fold());
    ASSERT_TRUE(rig.view().deal.enabled);
    for (int seat : kSeatOrder) rig.state().cash[seat] = cash.contains(seat) ? cash.at(seat) : 1000;
    rig.setStrength(strength);
    rig.state().blindSeat = seatBefore(big);
    stackNeutralDeal(rig);
    rig.rolls(rolls);
    rig.forget();
    ASSERT_TRUE(rig.table.deal());
    for (const auto& [seat, cards] : kNeutralHoles)
        ASSERT_EQ(rig.state().hole(seat)[0], card(cards[0])) << "the deck was not stacked as meant";
}

// ---------------------------------------------------------------------------------------------
// Opening of the pre-flop round.

struct Opening {
    int big, small;
    std::vector<int> answer;  // seats that answer the big blind and then take their turns
    bool flag;
};
const Opening kOpenings[] = {
    {Robot, Expert, {}, true},
    {Expert, Pinhead, {Robot}, true},
    {Pinhead, Champ, {Expert, Robot}, true},
    {Champ, Master, {Pinhead, Expert, Robot}, true},
    {Master, Geek, {Champ, Pinhead, Expert, Robot}, true},
    {Geek, Freak, {Master, Champ, Pinhead, Expert, Robot}, false},
    {Freak, You, {Geek, Master, Champ, Pinhead, Expert, Robot}, false},
    {You, Robot, {Freak, Geek, Master, Champ, Pinhead, Expert, Robot}, false},
};

TEST(PreflopOpening, BlindsAnswersAndTurnsForEveryBigBlindSeat) {
    for (const Opening& o : kOpenings) {
        SCOPED_TRACE("big blind on seat " + std::to_string(o.big));
        Rig rig;
        // Strength 28 stays in against the big blind and never raises pre-flop.
        dealWithBigBlind(rig, o.big, 28);
        if (HasFatalFailure()) return;

        std::array<int32_t, kSeatSlots> cash{};
        cash.fill(1000);
        Statuses statuses(8);  // in seat order You to Robot: seat s at You - s
        cash[o.small] -= 2;
        cash[o.big] -= 4;
        statuses[You - o.small] = "Small Blind";
        statuses[You - o.big] = "Big Blind";
        for (int seat : o.answer) {
            cash[seat] -= 4;
            statuses[You - seat] = "Calls";  // Robot as small blind pays 2 + 4
        }
        for (int seat : kSeatOrder) {
            EXPECT_EQ(rig.state().cash[seat], cash[seat]) << seat;
            EXPECT_EQ(rig.view().seats[seat].cash, std::to_string(cash[seat])) << seat;
        }
        EXPECT_EQ(rig.statuses(), statuses);
        EXPECT_EQ(rig.state().pot, 6 + 4 * static_cast<int32_t>(o.answer.size()));
        EXPECT_EQ(rig.view().pot, std::to_string(rig.state().pot));
        EXPECT_EQ(rig.raisers(), o.flag ? std::vector<int>{o.big} : std::vector<int>{});
        // The shuffle's draws, then one roll for each turn: the answering seats took theirs.
        EXPECT_EQ(rig.draws(), 50004u + o.answer.size());
        EXPECT_EQ(rig.state().street, 1);
        EXPECT_EQ(rig.state().openerSeat, o.big);
        EXPECT_EQ(rig.buttons(), "-Deal +Call +Raise +Fold");
    }
}

TEST(PreflopOpening, ARaiseInTheOpeningChainStopsItAndIsAnsweredByTheSeatsAfter) {
    Rig rig;
    // The first roll after the shuffle is Pinhead's: anything but 0 raises at strength 10000.
    dealWithBigBlind(rig, Champ, 10000, {}, {1});
    if (HasFatalFailure()) return;

    EXPECT_EQ(rig.cash(), (std::vector<int32_t>{1000, 1000, 1000, 998, 996, 992, 992, 992}));
    EXPECT_EQ(rig.statuses(), (Statuses{"", "", "", "", "", "Raises", "Calls", "Calls"}));
    EXPECT_EQ(rig.view().seats[Pinhead].status.color, LabelColor::Yellow);
    EXPECT_EQ(rig.state().pot, 30);
    EXPECT_EQ(rig.state().toCall, 4);
    EXPECT_EQ(rig.raisers(), std::vector<int>{Pinhead});
    EXPECT_EQ(rig.draws(), 50005u) << "Expert and Robot take no turn after Pinhead's raise";
    EXPECT_EQ(rig.buttons(), "-Deal +Call -Raise +Fold");
}

TEST(PreflopOpening, BrokeBlindsAreLabelledAndPayNothingWhileThePotHoldsBoth) {
    Rig rig;
    dealWithBigBlind(rig, Champ, 28, {{Master, 0}, {Champ, 0}});
    if (HasFatalFailure()) return;
    EXPECT_EQ(rig.cash(), (std::vector<int32_t>{1000, 1000, 1000, 0, 0, 996, 996, 996}));
    EXPECT_EQ(rig.statuses(), (Statuses{"", "", "", "Small Blind", "Big Blind", "Calls", "Calls", "Calls"}));
    EXPECT_EQ(rig.state().pot, 18);
    EXPECT_EQ(rig.state().seatsOut, 2);
    EXPECT_EQ(rig.raisers(), std::vector<int>{Champ}) << "the big blind's flag does not depend on its cash";
    EXPECT_EQ(rig.draws(), 50004u + 3);
}

// ---------------------------------------------------------------------------------------------
// The human's Check/Call pre-flop.

TEST(PreflopCall, SettlesMastersBigBlindThenDealsTheFlopAndMasterClosesIt) {
    Rig rig;
    dealWithBigBlind(rig, Master, 28);
    if (HasFatalFailure()) return;
    rig.state().soundOn = true;
    rig.forget();
    // Champ, Pinhead, Expert and Robot take their turns (a roll each); then the flop's card sound.
    rig.rolls({0, 0, 0, 0, 51});
    ASSERT_TRUE(rig.table.checkOrCall());

    EXPECT_EQ(rig.cash(), (std::vector<int32_t>{996, 996, 994, 992, 996, 996, 996, 996}));
    EXPECT_EQ(rig.view().seats[You].cash, "996");
    EXPECT_EQ(rig.state().pot, 38);
    EXPECT_EQ(rig.view().pot, "38");
    EXPECT_EQ(rig.statuses(), (Statuses{"", "Calls", "Calls", "Calls", "Calls", "Calls", "Calls", "Calls"}));
    EXPECT_EQ(rig.state().street, 2);
    EXPECT_EQ(rig.draws(), 5u);
    EXPECT_EQ(rig.sounds(), (std::vector<std::string>{"card1.wav"}));
    EXPECT_EQ(rig.pictureAt(ui::kBoardPlace[0]), picture(card("2s")));
    EXPECT_EQ(rig.pictureAt(ui::kBoardPlace[1]), picture(card("3h")));
    EXPECT_EQ(rig.pictureAt(ui::kBoardPlace[2]), picture(card("Jc")));
    EXPECT_EQ(rig.pictureAt(ui::kBoardPlace[3]), -1);
    EXPECT_EQ(rig.raisers(), std::vector<int>{});
    EXPECT_EQ(rig.buttons(), "-Deal +Check +Raise +Fold");

    // On the flop the human checks first; Master's turn closes the flop and Master acts first
    // on the turn, followed by Champ to Robot. Strength 20 never raises.
    rig.setStrength(20);
    rig.forget();
    rig.rolls({0, 0, 0, 0, 50});  // the turn's card sound after Freak's and Geek's two draws each
    ASSERT_TRUE(rig.table.checkOrCall());
    EXPECT_EQ(rig.state().street, 3);
    EXPECT_EQ(rig.statuses(), (Statuses{"", "Check", "Check", "Check", "Check", "Check", "Check", "Check"}));
    EXPECT_EQ(rig.draws(), 15u);
    EXPECT_EQ(rig.sounds(), (std::vector<std::string>{"card2.wav"}));
    EXPECT_EQ(rig.pictureAt(ui::kBoardPlace[3]), picture(card("Kd")));
    EXPECT_EQ(rig.cash(), (std::vector<int32_t>{996, 996, 994, 992, 996, 996, 996, 996}));
}

TEST(PreflopCall, BigBlindOnYouCostsNothingAndAChainRaiseIsPaidOnTheFlop) {
    Rig rig;
    rig.midHand(1, You, 35);  // strength 35: stays in, raises pre-flop on rolls above 50
    rig.state().toCall = 4;
    rig.rolls({50, 51});  // Freak checks, Geek raises
    ASSERT_TRUE(rig.table.checkOrCall());

    EXPECT_EQ(rig.cash(), (std::vector<int32_t>{1000, 1000, 996, 996, 996, 996, 996, 996}));
    EXPECT_EQ(rig.statuses(), (Statuses{"", "", "Raises", "Calls", "Calls", "Calls", "Calls", "Calls"}));
    EXPECT_EQ(rig.state().pot, 124);
    EXPECT_EQ(rig.state().street, 2) << "the pre-flop round ends with the human's call";
    EXPECT_TRUE(rig.state().raised[Geek]);
    EXPECT_EQ(rig.state().toCall, 4);
    EXPECT_EQ(rig.buttons(), "-Deal +Call -Raise +Fold");
    EXPECT_EQ(rig.draws(), 2u);

    // The next press pays Geek's raise; Freak answers it; Master to Robot take their turns
    // on the flop, where the flop test keeps their unpaired hands from raising.
    rig.forget();
    ASSERT_TRUE(rig.table.checkOrCall());
    EXPECT_EQ(rig.cash(), (std::vector<int32_t>{996, 996, 996, 996, 996, 996, 996, 996}));
    EXPECT_EQ(rig.statuses(), (Statuses{"", "", "", "Check", "Check", "Check", "Check", "Check"}));
    EXPECT_EQ(rig.view().seats[Geek].status.color, LabelColor::White) << "the human's press whitens every status";
    EXPECT_EQ(rig.state().pot, 132);
    EXPECT_EQ(rig.state().street, 3);
    EXPECT_FALSE(rig.state().raised[Geek]);
    EXPECT_EQ(rig.draws(), 11u);
    EXPECT_EQ(rig.buttons(), "-Deal +Check +Raise +Fold");
}

// ---------------------------------------------------------------------------------------------
// Settling an opponent's raise: who answers, in which order.

// The seats that answer X's raise on the flop, turn or river, copied from the rules.
const std::map<int, std::vector<int>> kLaterAnswers{
    {Freak, {}},
    {Geek, {Freak}},
    {Master, {Freak, Geek}},
    {Champ, {Freak, Geek, Master}},
    {Pinhead, {Freak, Geek, Champ, Master}},
    {Expert, {Freak, Geek, Champ, Master, Pinhead}},
    {Robot, {Freak, Geek, Champ, Master, Pinhead, Expert}},
};

TEST(Settlement, LaterStreetAnswersFollowTheTableOrder) {
    for (const auto& [raiser, answers] : kLaterAnswers) {
        SCOPED_TRACE("raise by seat " + std::to_string(raiser));
        Rig rig;
        rig.midHand(3, You, -10000);  // every answer folds, every turn checks
        rig.raiseBy(raiser, 8);
        ASSERT_TRUE(rig.table.checkOrCall());
        // A fold erases the seat's cards, so the erasures give the order of the answers.
        EXPECT_EQ(rig.erasedSeats(), answers);
        EXPECT_EQ(rig.state().cash[You], 992);
        int turns = 0;
        for (int seat = raiser - 1; seat >= Robot; --seat, ++turns)
            EXPECT_EQ(rig.view().seats[seat].status.text, "Check") << seat;
        EXPECT_EQ(rig.draws(), answers.size() + 2u * turns);
        EXPECT_EQ(rig.state().street, 4);
    }
}

TEST(Settlement, PreflopTheRaiserAnswersTooAndTheHumanPaysTheSmallBet) {
    for (int raiser = Freak; raiser >= Expert; --raiser) {
        SCOPED_TRACE("flag on seat " + std::to_string(raiser));
        Rig rig;
        rig.midHand(1, You, -10000);
        rig.raiseBy(raiser, 99);
        ASSERT_TRUE(rig.table.checkOrCall());
        std::vector<int> answers;
        for (int seat = Freak; seat >= raiser; --seat) answers.push_back(seat);
        EXPECT_EQ(rig.erasedSeats(), answers);
        EXPECT_EQ(rig.state().cash[You], 996);
        EXPECT_EQ(rig.draws(), static_cast<uint64_t>(raiser - 1)) << "one roll per pre-flop turn after the raiser";
        EXPECT_EQ(rig.state().street, 2);
    }
}

// ---------------------------------------------------------------------------------------------
// The skipping chain after the human settles a raise on the flop.

class SkippingChain : public ::testing::Test {
protected:
    void SetUp() override {
        rig.midHand(2, Freak, 50);  // Freak's raise of 4 is unanswered; Freak opens the streets
        rig.raiseBy(Freak, 4);
        rig.hole(Geek, "Jd", "5c");  // a pair of Jacks on the flop 2 3 J: the flop test lets it raise
    }
    Rig rig;
};

TEST_F(SkippingChain, GeekRaisesMasterIsSkippedChampChecksAndTheNextPressPaysNothing) {
    // Geek's two rolls let it raise; five answers follow; Champ to Robot check, since the flop
    // test bars their unpaired hands.
    rig.rolls({50, 1});
    ASSERT_TRUE(rig.table.checkOrCall());
    EXPECT_EQ(rig.cash(), (std::vector<int32_t>{996, 1000, 996, 996, 996, 996, 996, 996}));
    EXPECT_EQ(rig.statuses(), (Statuses{"", "", "Raises", "Calls", "Check", "Check", "Check", "Check"}));
    EXPECT_TRUE(rig.state().raised[Geek]);
    EXPECT_EQ(rig.state().toCall, 0);
    EXPECT_EQ(rig.buttons(), "-Deal +Call -Raise +Fold");
    EXPECT_EQ(rig.draws(), 15u) << "Geek 2, five answers, Champ to Robot 2 each; Master skipped";

    rig.forget();
    ASSERT_TRUE(rig.table.checkOrCall());
    EXPECT_EQ(rig.state().cash[You], 996) << "settling Geek's raise costs nothing after Champ's check";
    EXPECT_EQ(rig.state().cash[Freak], 1000);
    EXPECT_EQ(rig.statuses(), (Statuses{"", "", "", "Check", "Check", "Check", "Check", "Check"}));
    EXPECT_EQ(rig.draws(), 11u) << "Freak answers, Master to Robot take their turns";
    EXPECT_EQ(rig.raisers(), std::vector<int>{});
    EXPECT_EQ(rig.buttons(), "-Deal +Check +Raise +Fold");
    EXPECT_EQ(rig.state().street, 2);
}

TEST_F(SkippingChain, ChampRaisesAgainAndHoldsTheFlag) {
    rig.hole(Champ, "Jh", "6s");
    rig.rolls({50, 1, 0, 0, 0, 0, 0, 50, 1});  // Geek raises, five answers, Champ raises
    ASSERT_TRUE(rig.table.checkOrCall());
    EXPECT_EQ(rig.cash(), (std::vector<int32_t>{996, 1000, 996, 996, 992, 992, 992, 992}));
    EXPECT_EQ(rig.statuses(), (Statuses{"", "", "", "", "Raises", "Calls", "Check", "Check"}));
    EXPECT_EQ(rig.state().pot, 144);
    EXPECT_EQ(rig.raisers(), std::vector<int>{Champ});
    EXPECT_EQ(rig.draws(), 16u) << "Pinhead's turn is skipped after Champ's raise";

    // The human settles Champ's raise for nothing; Freak, Geek and Master answer it.
    rig.forget();
    ASSERT_TRUE(rig.table.checkOrCall());
    EXPECT_EQ(rig.cash(), (std::vector<int32_t>{996, 1000, 996, 996, 992, 992, 992, 992}));
    EXPECT_EQ(rig.statuses(), (Statuses{"", "", "", "", "", "Check", "Check", "Check"}));
    EXPECT_EQ(rig.draws(), 9u);
}

// ---------------------------------------------------------------------------------------------
// The human as the opener.

TEST(HumanOpener, CheckOnTheRiverRunsTheShowdownInTheSamePress) {
    Rig rig;
    rig.midHand(4, You, 20);
    rig.state().soundOn = true;
    ASSERT_TRUE(rig.table.checkOrCall());
    EXPECT_EQ(rig.draws(), 14u);
    EXPECT_EQ(rig.state().street, 5);
    EXPECT_EQ(rig.sounds(), (std::vector<std::string>{"chip4.wav"})) << "no card sound for the close to 5";
    // The neutral hands: Expert and Robot both hold King, Jack, Ten.
    EXPECT_EQ(rig.view().result.text, "Expert , Robot win");
    EXPECT_EQ(rig.state().cash[Expert], 1050);
    EXPECT_EQ(rig.state().cash[Robot], 1050);
    EXPECT_EQ(rig.buttons(), "+Deal -Check -Raise -Fold");
}

TEST(HumanOpener, RaiseOnTheFlopIsAnsweredThenTheTurnIsDealtBeforeTheOpponentsAct) {
    Rig rig;
    rig.midHand(2, You, 50);
    // Seven answers; then Freak's turn: were it still the flop, its unpaired hand could not
    // raise; on the turn these rolls make it raise the big bet.
    rig.rolls({0, 0, 0, 0, 0, 0, 0, 50, 1});
    ASSERT_TRUE(rig.table.raise());
    EXPECT_EQ(rig.state().street, 3);
    EXPECT_EQ(rig.pictureAt(ui::kBoardPlace[3]), picture(card("Kd")));
    EXPECT_EQ(rig.cash(), (std::vector<int32_t>{996, 988, 988, 988, 988, 988, 988, 988}));
    EXPECT_EQ(rig.state().pot, 188);
    EXPECT_EQ(rig.statuses(), (Statuses{"", "Raises", "Calls", "Calls", "Calls", "Calls", "Calls", "Calls"}));
    EXPECT_TRUE(rig.state().raised[Freak]);
    EXPECT_EQ(rig.state().toCall, 8);
    EXPECT_EQ(rig.draws(), 15u);
    EXPECT_EQ(rig.buttons(), "-Deal +Call -Raise +Fold");
}

TEST(HumanOpener, CheckOnTheFlopLetsTheOpponentsActOnTheFlopFirst) {
    Rig rig;
    rig.midHand(2, You, 50);
    rig.rolls({50, 1});  // would raise on the turn; the flop test bars it
    ASSERT_TRUE(rig.table.checkOrCall());
    EXPECT_EQ(rig.state().street, 3);
    EXPECT_EQ(rig.statuses(), (Statuses{"", "Check", "Check", "Check", "Check", "Check", "Check", "Check"}));
    EXPECT_EQ(rig.cash(), kAll1000);
    EXPECT_EQ(rig.draws(), 14u);
    EXPECT_EQ(rig.buttons(), "-Deal +Check +Raise +Fold");
}

// ---------------------------------------------------------------------------------------------
// The human's Raise.

TEST(HumanRaise, WithOneChipPaysNothingAndLeavesRaiseEnabled) {
    Rig rig;
    rig.midHand(2, Robot, 20);
    rig.state().cash[You] = 1;
    rig.state().potSettled = true;
    rig.state().soundOn = true;
    rig.rolls({71});
    const std::string stayCaption = rig.view().checkOrCall.caption;
    ASSERT_TRUE(rig.table.raise());
    EXPECT_EQ(rig.sounds(), (std::vector<std::string>{"chip1.wav"}));
    EXPECT_EQ(rig.draws(), 1u) << "nobody acted";
    EXPECT_EQ(rig.state().cash[You], 1);
    EXPECT_EQ(rig.state().pot, 100);
    EXPECT_EQ(rig.state().street, 2);
    EXPECT_FALSE(rig.state().potSettled);
    EXPECT_EQ(rig.view().checkOrCall.caption, stayCaption);
    EXPECT_TRUE(rig.view().raise.enabled);

    // With 2 the raise is paid although it drives the cash below 0.
    rig.state().cash[You] = 2;
    rig.state().soundOn = false;
    ASSERT_TRUE(rig.table.raise());
    EXPECT_EQ(rig.state().cash[You], -2);
}

TEST(HumanRaise, PreflopCostsTwoSmallBetsAndExpertsFlagIsAnsweredUpToExpert) {
    Rig rig;
    rig.midHand(1, Expert, 28);
    rig.raiseBy(Expert, 4);  // Expert's big blind
    ASSERT_TRUE(rig.table.raise());
    // Freak to Expert pay the big bet; Freak to Pinhead take pre-flop turns; Expert's turn
    // closes the pre-flop and Expert and Robot act on the flop.
    EXPECT_EQ(rig.cash(), (std::vector<int32_t>{992, 992, 992, 992, 992, 992, 992, 1000}));
    EXPECT_EQ(rig.state().pot, 156);
    EXPECT_EQ(rig.statuses(), (Statuses{"", "", "", "", "", "", "Check", "Check"}));
    EXPECT_EQ(rig.state().street, 2);
    EXPECT_EQ(rig.draws(), 9u);
    EXPECT_EQ(rig.raisers(), std::vector<int>{});
    EXPECT_EQ(rig.buttons(), "-Deal +Check +Raise +Fold");
}

TEST(HumanRaise, PreflopAsOpenerWithoutAFlagIsAnsweredByNobodyAndDealsTheFlop) {
    Rig rig;
    rig.midHand(1, You, 28);
    ASSERT_TRUE(rig.table.raise());
    EXPECT_EQ(rig.cash(), (std::vector<int32_t>{992, 1000, 1000, 1000, 1000, 1000, 1000, 1000}));
    EXPECT_EQ(rig.state().pot, 108);
    EXPECT_EQ(rig.state().street, 2);
    EXPECT_EQ(rig.statuses(), (Statuses{"", "Check", "Check", "Check", "Check", "Check", "Check", "Check"}));
    EXPECT_EQ(rig.draws(), 14u) << "the seven turns run on the flop";
}

TEST(HumanRaise, AnOpponentsRaiseOfAnUnknownSizeLeavesRaiseEnabled) {
    Rig rig;
    rig.midHand(3, Robot, 50);
    rig.state().smallBet = 7;  // only an edited settings file holds such bets
    rig.state().bigBet = 14;
    rig.rolls({50, 1});  // Freak raises 14
    ASSERT_TRUE(rig.table.checkOrCall());
    EXPECT_TRUE(rig.state().raised[Freak]);
    EXPECT_EQ(rig.state().cash[Freak], 986);
    EXPECT_EQ(rig.buttons(), "-Deal +Check +Raise +Fold");
}

// ---------------------------------------------------------------------------------------------
// Folds.

TEST(Folds, TheOpenerRolePassesToTheNextLiveOpponentAfterIt) {
    Rig rig;
    rig.midHand(3, Master, 20);
    rig.state().cash[Master] = 3;  // cannot pay the raise
    rig.state().cash[Champ] = 0;
    ++rig.state().seatsOut;
    rig.fold(Pinhead);
    ASSERT_TRUE(rig.table.raise());
    EXPECT_EQ(rig.state().openerSeat, Expert);
    EXPECT_EQ(rig.erasedSeats(), (std::vector<int>{Master}));
    // Expert's turn closes the turn; Expert and Robot act on the river.
    EXPECT_EQ(rig.state().street, 4);
    EXPECT_EQ(rig.statuses(), (Statuses{"", "Check", "Check", "Folds", "", "", "Check", "Check"}));
    EXPECT_EQ(rig.draws(), 13u);

    // A check clears every opponent's status, folded ones too; Expert's turn closes the river.
    ASSERT_TRUE(rig.table.checkOrCall());
    EXPECT_EQ(rig.state().street, 5);
    EXPECT_EQ(rig.view().seats[Master].status.text, "");
}

TEST(Folds, ABrokeOpenerStillClosesTheStreetAndKeepsTheRole) {
    Rig rig;
    rig.midHand(3, Master, 20);
    rig.state().cash[Master] = 0;
    ++rig.state().seatsOut;
    ASSERT_TRUE(rig.table.checkOrCall());
    EXPECT_EQ(rig.state().street, 4);
    EXPECT_EQ(rig.state().openerSeat, Master);
    EXPECT_EQ(rig.draws(), 12u) << "Freak and Geek on the turn, Champ to Robot on the river";
}

TEST(Folds, AFoldAgainstABigBlindFlagIsAnsweredInTheFoldOrderPreflopToo) {
    Rig rig;
    rig.midHand(1, Robot, -10000);
    rig.raiseBy(Robot, 4);
    ASSERT_TRUE(rig.table.fold());
    EXPECT_EQ(rig.erasedSeats(), (std::vector<int>{Freak, Geek, Champ, Master, Pinhead, Expert, You}));
    EXPECT_FALSE(rig.state().folded[Robot]);
    EXPECT_EQ(rig.view().result.text, "Robot wins");
    EXPECT_EQ(rig.state().cash[Robot], 1100);
}

TEST(Folds, TheLastOpenerFoldingPassesTheRoleToYouNeverBackwards) {
    Rig rig;
    rig.midHand(3, Robot, 20);
    rig.state().cash[Robot] = 3;
    ASSERT_TRUE(rig.table.raise());
    EXPECT_EQ(rig.state().openerSeat, You);
    // You as the opener close the turn in the same press; Freak to Expert act on the river.
    EXPECT_EQ(rig.state().street, 4);
    EXPECT_EQ(rig.pictureAt(ui::kBoardPlace[4]), picture(card("4s")));
    EXPECT_EQ(rig.statuses(), (Statuses{"", "Check", "Check", "Check", "Check", "Check", "Check", "Folds"}));
    EXPECT_EQ(rig.draws(), 19u);
    EXPECT_TRUE(rig.view().raise.enabled);
}

TEST(Folds, HumanFoldAgainstMastersRaiseLetsFreakAndGeekAnswerThenShowsDown) {
    Rig rig;
    rig.midHand(3, Robot, 20);
    rig.raiseBy(Master, 8);
    rig.state().soundOn = true;
    ASSERT_TRUE(rig.table.fold());
    EXPECT_EQ(rig.cash(), (std::vector<int32_t>{1000, 992, 992, 1000, 1000, 1000, 1058, 1058}));
    EXPECT_EQ(rig.draws(), 2u) << "only Freak and Geek answer";
    EXPECT_EQ(rig.erasedSeats(), (std::vector<int>{You}));
    EXPECT_EQ(rig.view().seats[You].status.text, "Folds");
    EXPECT_TRUE(rig.state().folded[You]);
    EXPECT_FALSE(rig.state().raised[Master]);
    EXPECT_EQ(rig.state().street, 5);
    EXPECT_EQ(rig.view().result.text, "Expert , Robot win");
    EXPECT_EQ(rig.sounds(), (std::vector<std::string>{"chip4.wav", "chip4.wav"}));
    EXPECT_EQ(rig.pictureAt(ui::kHolePlace[Freak].x, ui::kHolePlace[Freak].y), picture(card("8c")))
        << "the opponents' cards are turned up";
    EXPECT_EQ(rig.buttons(), "+Deal -Check -Raise -Fold");
}

// ---------------------------------------------------------------------------------------------
// The all-out win.

TEST(AllOutWin, TheSeventhFoldPaysThePotOnceAndNothingReenablesTheButtons) {
    Rig rig;
    rig.midHand(1, Geek, -10000);
    for (int seat : {Master, Pinhead, Expert, Robot}) rig.fold(seat);
    rig.state().cash[Champ] = 0;
    ++rig.state().seatsOut;
    rig.raiseBy(Geek, 4);
    rig.state().handsPlayed = 10;
    rig.state().handsWon = 3;
    rig.state().showdownCount = 5;
    rig.state().soundOn = true;
    rig.rolls({49});  // the card sound's: the pre-flop answers draw nothing
    ASSERT_TRUE(rig.table.checkOrCall());

    // Freak and Geek fold in their answers; Geek's fold is the seventh.
    EXPECT_EQ(rig.erasedSeats(), (std::vector<int>{Freak, Geek, Freak, Geek, Master, Pinhead, Expert, Robot}));
    EXPECT_EQ(rig.statuses(), (Statuses{"", "Folds", "Folds", "Folds", "", "Folds", "Folds", "Folds"}));
    EXPECT_FALSE(rig.state().folded[Champ]);
    EXPECT_EQ(rig.state().cash[You], 1100) << "1000 - 4 + the pot of 104, once";
    EXPECT_EQ(rig.view().seats[You].cash, "1100");
    EXPECT_EQ(rig.view().result.text, "You win");
    EXPECT_EQ(rig.view().result.left, 462);
    EXPECT_EQ(rig.state().handsPlayed, 11);
    EXPECT_EQ(rig.state().handsWon, 4);
    EXPECT_EQ(rig.state().showdownCount, 5);
    const std::vector<std::pair<std::string, int32_t>> cashWrites{
        {"Cash/freak", 1000}, {"Cash/player", 1100}, {"Cash/geek", 1000},  {"Cash/master", 1000},
        {"Cash/champ", 0},    {"Cash/pinhead", 1000}, {"Cash/expert", 1000}, {"Cash/robot", 1000},
        {"Stats/showdowns", 5}, {"Stats/handsplayed", 11}, {"Stats/handswon", 4}};
    EXPECT_EQ(rig.store.writes, cashWrites) << "then the counts of the hand";
    EXPECT_EQ(rig.sounds(), (std::vector<std::string>{"chip4.wav", "card2.wav"}));
    EXPECT_EQ(rig.state().openerSeat, You);
    EXPECT_EQ(rig.buttons(), "+Deal -Check -Raise -Fold");
    EXPECT_FALSE(rig.table.checkOrCall()) << "a press of a disabled button does nothing";
    EXPECT_EQ(rig.state().cash[You], 1100);
}

TEST(AllOutWin, ReachingTheTargetEndsTheGame) {
    Rig rig;
    rig.midHand(3, Robot, -10000);
    for (int seat : {Freak, Geek, Master, Champ, Pinhead, Expert}) rig.fold(seat);
    rig.state().cash[You] = 1750;
    ASSERT_TRUE(rig.table.raise());  // Robot folds against the raise: 1750 - 8 + 108
    EXPECT_EQ(rig.state().cash[You], 1850);
    const std::vector<std::string> messages = rig.host.texts(testing::HostEvent::Message);
    EXPECT_EQ(messages, (std::vector<std::string>{"You win!"}));
    EXPECT_FALSE(rig.view().deal.enabled);
    EXPECT_FALSE(rig.view().raise.enabled);
}

}  // namespace
}  // namespace trelvist
