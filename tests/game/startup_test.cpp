// Start-up from a stored game, the first hand's blinds, and New game.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tests/game/table_rig.h"

namespace trelvist::testing {
namespace {

// A table started from these stored settings alone, for tests that start several stored games.
struct StoredRun : TableRig {
    explicit StoredRun(std::map<std::pair<std::string, std::string>, int32_t> stored = {}) {
        store.values = std::move(stored);
        table.startUp();
    }
};

TEST(StartUp, EmptyStoreDealsTheFirstHandWithTheDefaults) {
    StoredRun run;
    const TableState& s = run.table.state();
    const TableView d = run.table.view();

    EXPECT_TRUE(s.soundOn);
    EXPECT_EQ(s.showdownCount, 0);
    EXPECT_EQ(s.handsPlayed, 0);
    EXPECT_EQ(s.handsWon, 0);
    EXPECT_EQ(s.playUntil, 600);
    EXPECT_EQ(s.initialCash, 1200);
    EXPECT_EQ(s.cardBack, 52);
    EXPECT_EQ(s.aiLevel, 400);
    EXPECT_EQ(s.smallBet, 4);
    EXPECT_EQ(s.bigBet, 8);

    // Expert posts the small blind and Robot the big blind; nobody acts before the human.
    EXPECT_EQ(s.smallBlind, 2);
    EXPECT_EQ(s.bigBlind, 4);
    EXPECT_EQ(s.toCall, 4);
    EXPECT_EQ(s.raiseAmount, 4);
    EXPECT_EQ(s.pot, 6);
    EXPECT_EQ(s.street, 1);
    EXPECT_EQ(s.blindSeat, 1);
    EXPECT_EQ(s.openerSeat, 1);
    EXPECT_EQ(s.seatsOut, 0);
    EXPECT_FALSE(s.potSettled);
    for (int seat : kSeatOrder) {
        EXPECT_FALSE(s.folded[seat]) << seat;
        EXPECT_EQ(s.raised[seat], seat == Robot) << seat;
        const int32_t paid = seat == Expert ? 2 : seat == Robot ? 4 : 0;
        EXPECT_EQ(s.cash[seat], 1200 - paid) << seat;
        EXPECT_EQ(d.seats[seat].cash, std::to_string(1200 - paid)) << seat;
        const char* label = seat == Expert ? "Small Blind" : seat == Robot ? "Big Blind" : "";
        EXPECT_EQ(d.seats[seat].status.text, label) << seat;
        EXPECT_EQ(d.seats[seat].status.color, LabelColor::White) << seat;
        EXPECT_FALSE(d.seats[seat].status.italic) << seat;
    }
    EXPECT_EQ(d.pot, "6");
    EXPECT_EQ(d.result.text, "");
    EXPECT_EQ(d.result.left, 460);
    EXPECT_EQ(run.buttons(), "-Deal +Call +Raise +Fold");
    EXPECT_EQ(d.raise.caption, "Raise");

    const PanelView& p = d.panel;
    EXPECT_FALSE(p.visible);
    EXPECT_EQ(p.initialCashText, "1200");
    EXPECT_EQ(p.playUntilText, "600");
    EXPECT_EQ(p.smallBetText, "4");
    EXPECT_EQ(p.bigBetText, "8");
    EXPECT_EQ(p.soundText, "On");
    EXPECT_EQ(p.cardBackItem, 0);
    EXPECT_EQ(p.levelItem, 0);
    EXPECT_EQ(p.limitsStep, 1);

    // Selecting the stored back and level rewrites them; nothing else is written.
    EXPECT_EQ(run.store.writes, (Writes{{"Card/back", 52}, {"Levels/comp", 400}}));

    // Seeded from the clock; the shuffle is the only use of the generator.
    EXPECT_EQ(run.table.random().state(), generatorStateAfter(run.host.now, kShuffleDraws));
    EXPECT_TRUE(isPermutation(s.deck));
    EXPECT_TRUE(isPermutation(s.oddsDeck));

    // The redraw after the deal: the human's faces and every opponent's backs, no board.
    const std::vector<std::string> draws = drawsOnly(run.host.events);
    const std::vector<std::string> expected = preflopDraws(s);
    ASSERT_GE(draws.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(draws.end() - static_cast<long>(expected.size()), draws.end()), expected);
    EXPECT_EQ(countKind(run.host.events, HostEvent::Message), 0);
    EXPECT_EQ(countKind(run.host.events, HostEvent::Error), 0);
    EXPECT_EQ(countKind(run.host.events, HostEvent::Sound), 0);
}

TEST(StartUp, StoredSettingsFillThePanelAndSetTheBlinds) {
    StoredRun run({{{"Settings", "Sound"}, 0},
             {{"Stats", "showdowns"}, 5},
             {{"Stats", "handsplayed"}, 9},
             {{"Stats", "handswon"}, 3},
             {{"Cash", "expert"}, 1500},
             {{"Cash", "robot"}, 1400},
             {{"Cash", "player"}, 900},
             {{"Cash", "until"}, 800},
             {{"Cash", "initial"}, 1500},
             {{"Card", "back"}, 53},
             {{"Levels", "comp"}, 900},
             {{"Bet", "Small"}, 6},
             {{"Bet", "Big"}, 12}});
    const TableState& s = run.table.state();
    const TableView d = run.table.view();

    EXPECT_FALSE(s.soundOn);
    EXPECT_EQ(d.panel.soundText, "Off");
    EXPECT_EQ(s.showdownCount, 5);
    EXPECT_EQ(s.handsPlayed, 9);
    EXPECT_EQ(s.handsWon, 3);
    EXPECT_EQ(d.panel.initialCashText, "1500");
    EXPECT_EQ(d.panel.playUntilText, "800");
    EXPECT_EQ(d.panel.smallBetText, "6");
    EXPECT_EQ(d.panel.bigBetText, "12");
    EXPECT_EQ(d.panel.limitsStep, 1);  // the up-down control always starts at 1
    EXPECT_EQ(d.panel.cardBackItem, 1);
    EXPECT_EQ(d.panel.levelItem, 3);
    EXPECT_EQ(s.aiLevel, 900);
    EXPECT_EQ(run.store.writes, (Writes{{"Card/back", 53}, {"Levels/comp", 900}}));

    // Small bet 6: blinds 3 and 6.
    EXPECT_EQ(s.cash[Expert], 1497);
    EXPECT_EQ(s.cash[Robot], 1394);
    EXPECT_EQ(s.cash[You], 900);
    EXPECT_EQ(s.cash[Freak], 1200);
    EXPECT_EQ(s.pot, 9);
    EXPECT_EQ(d.pot, "9");
    EXPECT_EQ(s.toCall, 6);
    EXPECT_EQ(s.raiseAmount, 6);
    EXPECT_EQ(d.checkOrCall.caption, "Call");
}

TEST(StartUp, StoredValuesOutsideThePanelChoices) {
    {
        SCOPED_TRACE("back 75 selects back 8 and leaves 59 in the file");
        StoredRun run({{{"Card", "back"}, 75}});
        EXPECT_EQ(run.table.state().cardBack, 59);
        EXPECT_EQ(run.table.view().panel.cardBackItem, 7);
        EXPECT_EQ(run.store.writes, (Writes{{"Card/back", 59}, {"Levels/comp", 400}}));
        EXPECT_EQ(drawsOnly(run.host.events).back(), "trim 827 348 keep");
        EXPECT_EQ(drawsOnly(run.host.events).end()[-2], "draw 59 at 827 348");  // Robot's second card
    }
    {
        SCOPED_TRACE("a back below the pictures of backs reads as the first back");
        StoredRun run({{{"Card", "back"}, 40}});
        EXPECT_EQ(run.table.state().cardBack, 52);
        EXPECT_EQ(run.table.view().panel.cardBackItem, 0);
        EXPECT_EQ(run.store.writes, (Writes{{"Card/back", 52}, {"Levels/comp", 400}}));
    }
    {
        SCOPED_TRACE("level 700 selects nothing and stays in use");
        StoredRun run({{{"Levels", "comp"}, 700}});
        EXPECT_EQ(run.table.state().aiLevel, 700);
        EXPECT_EQ(run.table.view().panel.levelItem, -1);
        EXPECT_EQ(run.store.writes, (Writes{{"Card/back", 52}}));
    }
    {
        SCOPED_TRACE("level 2000 is the largest kept");
        StoredRun run({{{"Levels", "comp"}, 2000}});
        EXPECT_EQ(run.table.state().aiLevel, 2000);
        EXPECT_EQ(run.table.view().panel.levelItem, -1);
        EXPECT_EQ(run.store.writes, (Writes{{"Card/back", 52}}));
    }
    {
        SCOPED_TRACE("a level above 2000 reads as Amateur");
        StoredRun run({{{"Levels", "comp"}, 2001}});
        EXPECT_EQ(run.table.state().aiLevel, 400);
        EXPECT_EQ(run.table.view().panel.levelItem, 0);
        EXPECT_EQ(run.store.writes, (Writes{{"Card/back", 52}, {"Levels/comp", 400}}));
    }
    {
        SCOPED_TRACE("any sound value but 0 is on; the boxes show stored values in full");
        StoredRun run({{{"Settings", "Sound"}, 7}, {{"Cash", "initial"}, 12345678}, {{"Cash", "until"}, -1000001}});
        EXPECT_TRUE(run.table.state().soundOn);
        EXPECT_EQ(run.table.view().panel.soundText, "On");
        EXPECT_EQ(run.table.view().panel.initialCashText, "12345678");
        EXPECT_EQ(run.table.view().panel.playUntilText, "-1000001");
    }
}

class FirstHand : public TableTest {
protected:
    void storeCash(std::initializer_list<std::pair<const char*, int32_t>> cash) {
        for (const auto& [key, value] : cash) store.values[{"Cash", key}] = value;
    }
    void expectStatuses(std::map<int, std::string> expected) {
        for (int seat : kSeatOrder) EXPECT_EQ(view().seats[seat].status.text, expected[seat]) << "seat " << seat;
    }
    void expectHumanToAct() {
        EXPECT_EQ(buttons(), "-Deal +Call +Raise +Fold");
        EXPECT_EQ(countKind(host.events, HostEvent::Message), 0);
    }
};

// Robot posts the small blind and the human the big blind; the six opponents after the human
// fold, which takes out the seventh and gives the human the pot.
TEST_F(FirstHand, ExpertBrokeGivesRobotTheSmallBlindAndYouTheBigBlind) {
    storeCash({{"expert", 0}});
    startUp();
    EXPECT_EQ(state().blindSeat, 8);
    EXPECT_EQ(state().openerSeat, 8);
    EXPECT_EQ(state().cash[Robot], 1198);
    EXPECT_EQ(state().cash[Expert], 0);
    EXPECT_EQ(state().cash[You], 1200 - 4 + 6);
    EXPECT_EQ(state().pot, 6);
    EXPECT_EQ(state().seatsOut, 7);
    expectStatuses({{You, "Big Blind"}, {Freak, "Folds"}, {Geek, "Folds"}, {Master, "Folds"}, {Champ, "Folds"},
                    {Pinhead, "Folds"}, {Robot, "Folds"}});
    EXPECT_EQ(view().result.text, "You win");
    EXPECT_EQ(buttons(), "+Deal -Call -Raise -Fold");
    EXPECT_EQ(state().handsPlayed, 1);
    EXPECT_EQ(state().handsWon, 1);
    EXPECT_EQ(store.writes, (Writes{{"Card/back", 52},
                                    {"Cash/freak", 1200},
                                    {"Cash/player", 1202},
                                    {"Cash/geek", 1200},
                                    {"Cash/master", 1200},
                                    {"Cash/champ", 1200},
                                    {"Cash/pinhead", 1200},
                                    {"Cash/expert", 0},
                                    {"Cash/robot", 1198},
                                    {"Stats/showdowns", 0},
                                    {"Stats/handsplayed", 1},
                                    {"Stats/handswon", 1}}));

    // The next hand moves the blinds one seat on from there: Freak big blind, the human small.
    ASSERT_TRUE(table.deal());
    EXPECT_EQ(state().blindSeat, 7);
    EXPECT_EQ(view().seats[You].status.text, "Small Blind");
    EXPECT_EQ(view().seats[Freak].status.text, "Big Blind");
    EXPECT_EQ(state().cash[You], 1200);
    EXPECT_EQ(state().cash[Freak], 1196);
}

TEST_F(FirstHand, ExpertAndRobotBrokeGiveYouTheSmallBlindAndFreakTheBigBlind) {
    storeCash({{"expert", 0}, {"robot", 0}});
    startUp();
    EXPECT_EQ(state().blindSeat, 7);
    EXPECT_EQ(state().openerSeat, 7);
    EXPECT_EQ(state().cash[You], 1198);
    EXPECT_EQ(state().cash[Freak], 1196);
    EXPECT_EQ(view().seats[You].cash, "1198");
    EXPECT_EQ(view().seats[Freak].cash, "1196");
    EXPECT_EQ(state().pot, 6);
    EXPECT_EQ(view().pot, "6");
    // Freak's big blind holds no flag; Geek to Pinhead answer it and fold.
    for (int seat : kOpponents) EXPECT_FALSE(state().raised[seat]) << seat;
    expectStatuses({{You, "Small Blind"}, {Freak, "Big Blind"}, {Geek, "Folds"}, {Master, "Folds"},
                    {Champ, "Folds"}, {Pinhead, "Folds"}});
    EXPECT_EQ(state().seatsOut, 6);
    EXPECT_EQ(state().street, 1);
    expectHumanToAct();
    EXPECT_EQ(store.writes, (Writes{{"Card/back", 52}}));
}

TEST_F(FirstHand, WithTheHumanBrokeTooTheSmallBlindPassesToFreak) {
    storeCash({{"expert", 0}, {"robot", 0}, {"player", 0}});
    startUp();
    EXPECT_EQ(state().blindSeat, 6);
    EXPECT_EQ(state().openerSeat, 6);
    EXPECT_EQ(state().cash[Freak], 1198);
    EXPECT_EQ(state().cash[Geek], 1196);
    EXPECT_EQ(state().cash[You], 0);
    expectStatuses({{Freak, "Small Blind"}, {Geek, "Big Blind"}, {Master, "Folds"}, {Champ, "Folds"},
                    {Pinhead, "Folds"}});
    // Start-up counts the broke human as out, unlike a deal.
    EXPECT_EQ(state().seatsOut, 6);
    expectHumanToAct();
}

// The big-blind search starts at the seat after the small blind and skips the broke human, so
// the big blind is not the seat that blindSeat names.
TEST_F(FirstHand, ExpertAndYouBrokeMoveTheBigBlindOnToFreak) {
    storeCash({{"expert", 0}, {"player", 0}});
    startUp();
    EXPECT_EQ(state().blindSeat, 8);
    EXPECT_EQ(state().openerSeat, 7);
    EXPECT_EQ(state().cash[Robot], 1198);
    EXPECT_EQ(state().cash[Freak], 1196);
    EXPECT_EQ(state().cash[Geek], 1200);
    // Geek, Master, Champ, Pinhead and Robot fold: with Expert and the human out that is seven.
    EXPECT_EQ(state().seatsOut, 7);
    EXPECT_EQ(state().cash[You], 6);
    EXPECT_EQ(view().result.text, "You win");
}

TEST_F(FirstHand, OnlySeatWithChipsEmptiedByItsSmallBlindEndsTheGame) {
    storeCash({{"freak", 0}, {"player", 0}, {"geek", 0}, {"master", 0}, {"champ", 2}, {"pinhead", 0},
               {"expert", 0}, {"robot", 0}});
    startUp();
    EXPECT_EQ(view().seats[Champ].status.text, "Small Blind");
    EXPECT_EQ(state().cash[Champ], 0);
    EXPECT_EQ(view().seats[Champ].cash, "0");
    EXPECT_EQ(state().blindSeat, 3);
    for (int seat : kSeatOrder) EXPECT_NE(view().seats[seat].status.text, "Big Blind") << seat;
    EXPECT_EQ(host.texts(HostEvent::Message), std::vector<std::string>{"You lose!"});
    EXPECT_EQ(host.events.back().caption, "Game over");
    EXPECT_EQ(buttons(), "-Deal -Call -Raise -Fold");
}

TEST_F(FirstHand, NoSeatWithChipsEndsTheGameAtOnce) {
    store.values.clear();
    storeCash({{"freak", 0}, {"player", 0}, {"geek", 0}, {"master", 0}, {"champ", 0}, {"pinhead", -3},
               {"expert", 0}, {"robot", 0}});
    startUp();
    EXPECT_EQ(describeAll(host.events).back(), "message Game over: You lose!");
    EXPECT_EQ(countKind(host.events, HostEvent::Message), 1);
    EXPECT_EQ(countKind(host.events, HostEvent::Draw), 0);
    EXPECT_EQ(buttons(), "-Deal -Call -Raise -Fold");
    for (int seat : kSeatOrder) EXPECT_EQ(view().seats[seat].status.text, "") << seat;
    EXPECT_EQ(state().seatsOut, 8);
    EXPECT_EQ(state().pot, 6);
    EXPECT_EQ(store.writes, (Writes{{"Card/back", 52}, {"Levels/comp", 400}}));
    EXPECT_FALSE(table.deal());
}

// A stored position in which the human has lost is dealt as usual; the next Deal ends it.
TEST_F(FirstHand, StoredLostGameIsDealtAsUsual) {
    storeCash({{"player", 0}});
    startUp();
    EXPECT_EQ(view().seats[Expert].status.text, "Small Blind");
    EXPECT_EQ(view().seats[Robot].status.text, "Big Blind");
    EXPECT_EQ(state().seatsOut, 1);
    expectHumanToAct();
    for (const std::string& draw : drawsOnly(host.events)) EXPECT_EQ(draw.find(" at 450 448"), std::string::npos);

    // The others call Robot's big blind when the human folds: were they to fold, the seventh
    // seat out (the broke human counts) would hand the human the pot.
    setStrength(10000);
    finishHand();
    EXPECT_EQ(state().cash[You], 0);
    ASSERT_TRUE(table.deal());
    EXPECT_EQ(host.texts(HostEvent::Message), std::vector<std::string>{"You lose!"});
}

class NewGame : public FirstHand {
protected:
    void SetUp() override {
        FirstHand::SetUp();
        startUp();
    }
    void typeMoney(const std::string& text) {
        table.toggleOptions();
        table.typeInitialCash(text);
        table.toggleOptions();
    }
    // A finished hand whose showdown left its winners' labels yellow.
    void finishWithYellowWinner() {
        finishHand();
        bool yellow = false;
        for (int seat : kSeatOrder) yellow |= view().seats[seat].status.color == LabelColor::Yellow;
        ASSERT_TRUE(yellow);
    }
};

TEST_F(NewGame, NoChangesNothingButReseedsTheGenerator) {
    finishWithYellowWinner();
    const std::vector<std::string> stateBefore = lines(state());
    const std::vector<std::string> viewBefore = lines(view());
    forget();
    host.now = 1800000000;
    host.answerYes = false;

    EXPECT_TRUE(table.newGame());
    EXPECT_EQ(describeAll(host.events), std::vector<std::string>{"ask New game: Are you sure?"});
    EXPECT_EQ(lines(state()), stateBefore);
    EXPECT_EQ(lines(view()), viewBefore);
    EXPECT_TRUE(store.writes.empty());
    EXPECT_EQ(table.random().state(), generatorStateAfter(host.now, 0));
}

TEST_F(NewGame, StartsOverWithTheTypedCashAfterAFinishedGame) {
    finishHand();
    state().cash[You] = 0;
    ASSERT_TRUE(table.deal());
    ASSERT_EQ(host.texts(HostEvent::Message), std::vector<std::string>{"You lose!"});
    typeMoney("2000");
    forget();
    host.now = 1800000000;

    EXPECT_TRUE(table.newGame());
    for (int seat : kSeatOrder) {
        const int32_t cash = seat == Expert ? 1998 : seat == Robot ? 1996 : 2000;
        EXPECT_EQ(state().cash[seat], cash) << seat;
        EXPECT_EQ(view().seats[seat].cash, std::to_string(cash)) << seat;
        EXPECT_FALSE(state().folded[seat]) << seat;
        EXPECT_EQ(state().raised[seat], seat == Robot) << seat;
        EXPECT_EQ(view().seats[seat].status.color, LabelColor::White) << seat;
    }
    expectStatuses({{Expert, "Small Blind"}, {Robot, "Big Blind"}});
    EXPECT_EQ(state().initialCash, 2000);
    EXPECT_EQ(state().pot, 6);
    EXPECT_EQ(view().pot, "6");
    EXPECT_EQ(state().street, 1);
    EXPECT_EQ(state().seatsOut, 0);
    EXPECT_EQ(state().blindSeat, 1);
    EXPECT_EQ(state().openerSeat, 1);
    EXPECT_EQ(state().toCall, 4);
    EXPECT_EQ(view().result.text, "");
    expectHumanToAct();
    // Nobody acts: the shuffle is the only use of the freshly seeded generator, and nothing is
    // written until the next deal.
    EXPECT_EQ(table.random().state(), generatorStateAfter(host.now, kShuffleDraws));
    EXPECT_TRUE(store.writes.empty());
    std::vector<std::string> expected{"ask New game: Are you sure?", kBoardErase};
    for (const std::string& draw : preflopDraws(state())) expected.push_back(draw);
    EXPECT_EQ(describeAll(host.events), expected);
}

TEST_F(NewGame, MoneyTextThatIsNotANumberOnlyWhitensTheStatuses) {
    finishWithYellowWinner();
    typeMoney("12a");
    const std::vector<std::string> stateBefore = lines(state());
    TableView whitened = view();
    for (SeatView& seat : whitened.seats) seat.status.color = LabelColor::White;
    forget();

    EXPECT_TRUE(table.newGame());
    EXPECT_EQ(describeAll(host.events),
              (std::vector<std::string>{"ask New game: Are you sure?", "error '12a' is not a valid integer value"}));
    EXPECT_EQ(lines(state()), stateBefore);
    EXPECT_EQ(lines(view()), lines(whitened));
    EXPECT_TRUE(store.writes.empty());

    // A number is the whole text: a sign and digits, nothing else.
    for (const std::string text : {"", " 100", "0x10", "1e3", "+-5"}) {
        typeMoney(text);
        forget();
        EXPECT_TRUE(table.newGame());
        EXPECT_EQ(host.texts(HostEvent::Error), std::vector<std::string>{"'" + text + "' is not a valid integer value"});
        EXPECT_EQ(lines(state()), stateBefore) << text;
    }
}

TEST_F(NewGame, ZeroOrLessIsAcceptedAndLeavesEverySeatBroke) {
    typeMoney("0");
    forget();
    EXPECT_TRUE(table.newGame());
    EXPECT_EQ(state().seatsOut, 8);
    EXPECT_EQ(state().initialCash, 0);
    for (int seat : kSeatOrder) EXPECT_EQ(state().cash[seat], 0) << seat;
    // The blinds are labelled but nobody pays; the pot holds both blinds all the same.
    expectStatuses({{Expert, "Small Blind"}, {Robot, "Big Blind"}});
    EXPECT_EQ(state().pot, 6);
    EXPECT_EQ(countKind(host.events, HostEvent::Draw), 0);
    expectHumanToAct();

    finishHand();
    forget();
    ASSERT_TRUE(table.deal());
    EXPECT_EQ(host.texts(HostEvent::Message), std::vector<std::string>{"You lose!"});

    typeMoney("-5");
    EXPECT_TRUE(table.newGame());
    EXPECT_EQ(state().seatsOut, 8);
    for (int seat : kSeatOrder) EXPECT_EQ(state().cash[seat], -5) << seat;
}

}  // namespace
}  // namespace trelvist::testing
