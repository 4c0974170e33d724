// The options panel's controls and the statistics window: what each changes and writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/game/table_rig.h"

namespace trelvist::testing {
namespace {

// A table started from an empty store (sound on, Amateur), with the panel hidden as at start.
class Options : public TableTest {
protected:
    void SetUp() override {
        store.values.clear();
        startUp();
    }

    void open() {
        if (!view().panel.visible) {
            ASSERT_TRUE(table.toggleOptions());
        }
    }
    // Types a text into a box and presses its Enter button.
    void enterMoney(const std::string& text) {
        ASSERT_TRUE(table.typeInitialCash(text));
        forget();
        ASSERT_TRUE(table.enterInitialCash());
    }
    void enterUntil(const std::string& text) {
        ASSERT_TRUE(table.typePlayUntil(text));
        forget();
        ASSERT_TRUE(table.enterPlayUntil());
    }
    std::vector<std::string> messages() const { return host.texts(HostEvent::Message); }
};

TEST_F(Options, HiddenPanelIgnoresItsControls) {
    const std::vector<std::string> stateBefore = lines(state());
    const std::vector<std::string> viewBefore = lines(view());
    forget();

    EXPECT_FALSE(table.typeInitialCash("500"));
    EXPECT_FALSE(table.typePlayUntil("500"));
    EXPECT_FALSE(table.enterInitialCash());
    EXPECT_FALSE(table.enterPlayUntil());
    EXPECT_FALSE(table.stepLimits(true));
    EXPECT_FALSE(table.stepLimits(false));
    EXPECT_FALSE(table.chooseCardBack(7));
    EXPECT_FALSE(table.chooseLevel(3));
    EXPECT_FALSE(table.toggleSound());
    EXPECT_FALSE(table.closeOptions());
    EXPECT_EQ(lines(state()), stateBefore);
    EXPECT_EQ(lines(view()), viewBefore);
    EXPECT_TRUE(host.events.empty());
    EXPECT_TRUE(store.writes.empty());

    // Options flips the panel; Ok only hides it.
    EXPECT_TRUE(table.toggleOptions());
    EXPECT_TRUE(view().panel.visible);
    EXPECT_TRUE(table.toggleOptions());
    EXPECT_FALSE(view().panel.visible);
    EXPECT_TRUE(table.toggleOptions());
    EXPECT_TRUE(table.closeOptions());
    EXPECT_FALSE(view().panel.visible);
}

TEST_F(Options, InitialCashAcceptsWholeNumbersFromOneHundredToOneMillion) {
    open();
    const std::vector<std::string> stateBefore = lines(state());
    const std::vector<std::pair<std::string, std::string>> refused{
        {"", "Invalid value"},          {"12a", "Invalid value"},           {" 100", "Invalid value"},
        {"0x64", "Invalid value"},      {"99", "the value is off limits"},  {"-5", "the value is off limits"},
        {"0", "the value is off limits"}, {"-100", "the value is off limits"}};
    for (const auto& [text, message] : refused) {
        enterMoney(text);
        EXPECT_EQ(messages(), std::vector<std::string>{message}) << "'" << text << "'";
        EXPECT_TRUE(store.writes.empty()) << "'" << text << "'";
        EXPECT_EQ(lines(state()), stateBefore) << "'" << text << "'";
    }

    // Mid-hand: the eight seats take the new cash at once; the pot and labels go on as they are.
    enterMoney("100");
    EXPECT_EQ(messages(), std::vector<std::string>{"New initial cash value confirmation"});
    EXPECT_EQ(store.writes, (Writes{{"Cash/initial", 100}}));
    EXPECT_EQ(state().initialCash, 100);
    for (int seat : kSeatOrder) {
        EXPECT_EQ(state().cash[seat], 100) << seat;
        EXPECT_EQ(view().seats[seat].cash, "100") << seat;
    }
    EXPECT_EQ(state().pot, 6);
    EXPECT_EQ(view().seats[Robot].status.text, "Big Blind");
    // The seats' cash reaches the file only at the next deal.
    for (const char* key : {"freak", "player", "geek", "master", "champ", "pinhead", "expert", "robot"})
        EXPECT_EQ(store.values.count({"Cash", key}), 0u) << key;

    // The box keeps six characters, so a typed million is a hundred thousand.
    enterMoney("1000000");
    EXPECT_EQ(view().panel.initialCashText, "100000");
    EXPECT_EQ(store.writes, (Writes{{"Cash/initial", 100000}}));
    enterMoney("+250");
    EXPECT_EQ(store.writes, (Writes{{"Cash/initial", 250}}));
}

TEST_F(Options, PlayUntilAcceptsTheSameRangeAndTouchesNoCash) {
    open();
    const std::vector<std::string> stateBefore = lines(state());
    for (const auto& [text, message] : std::vector<std::pair<std::string, std::string>>{
             {"", "Invalid value"}, {"abc", "Invalid value"}, {"99", "the value is off limits"},
             {"-5", "the value is off limits"}}) {
        enterUntil(text);
        EXPECT_EQ(messages(), std::vector<std::string>{message}) << "'" << text << "'";
        EXPECT_TRUE(store.writes.empty());
        EXPECT_EQ(lines(state()), stateBefore);
    }
    enterUntil("100");
    EXPECT_EQ(messages(), std::vector<std::string>{"New until value confirmation"});
    EXPECT_EQ(store.writes, (Writes{{"Cash/until", 100}}));
    EXPECT_EQ(state().playUntil, 100);
    EXPECT_EQ(state().cash[Freak], 1200);
    EXPECT_EQ(state().initialCash, 1200);
}

using OptionsStored = TableTest;

// Stored values show in full, so a million can be entered although it cannot be typed.
TEST_F(OptionsStored, OneMillionIsAcceptedAndOneMoreIsOffLimits) {
    store.values = {{{"Cash", "initial"}, 1000000}, {{"Cash", "until"}, 1000001}};
    startUp();
    table.toggleOptions();
    forget();

    EXPECT_TRUE(table.enterInitialCash());
    EXPECT_TRUE(table.enterPlayUntil());
    EXPECT_EQ(host.texts(HostEvent::Message),
              (std::vector<std::string>{"New initial cash value confirmation", "the value is off limits"}));
    EXPECT_EQ(store.writes, (Writes{{"Cash/initial", 1000000}}));
    EXPECT_EQ(state().playUntil, 1000001);
}

// The opponents' line-up lives in a section of its own, written only when chosen; a stored
// value the game does not know is the classic line-up.
TEST_F(OptionsStored, TheLineupIsKeptApartAndUnknownValuesAreClassic) {
    for (const int32_t stored : {-1, 4, 1 << 30}) {
        store.values = {{{"Opponents", "lineup"}, stored}};
        startUp();
        EXPECT_EQ(view().panel.lineupItem, 0) << stored;
    }
    store.values = {{{"Opponents", "lineup"}, 2}};
    startUp();
    EXPECT_EQ(view().panel.lineupItem, 2);

    // Styles picked per seat, with bad numbers played as the classic rules.
    store.values = {{{"Opponents", "lineup"}, 3}, {{"Opponents", "freak"}, 6}, {{"Opponents", "geek"}, 7},
                    {{"Opponents", "robot"}, 1}, {{"Opponents", "expert"}, -2}};
    startUp();
    EXPECT_EQ(view().panel.lineupItem, 3);
    EXPECT_EQ(view().seats[Freak].style, "Shark");
    EXPECT_EQ(view().seats[Geek].style, "Classic");
    EXPECT_EQ(view().seats[Expert].style, "Classic");
    EXPECT_EQ(view().seats[Robot].style, "Rock");
    EXPECT_EQ(view().seats[You].style, "");

    store.values.clear();
    startUp();
    EXPECT_TRUE(store.writes.empty() || !std::any_of(store.writes.begin(), store.writes.end(), [](const auto& w) {
        return w.first.starts_with("Opponents/");
    })) << "nothing of the line-up is written at start";
    EXPECT_FALSE(table.chooseLineup(1)) << "the panel is hidden";
    table.toggleOptions();
    forget();
    EXPECT_FALSE(table.chooseLineup(4));
    EXPECT_TRUE(table.chooseLineup(1));
    EXPECT_EQ(store.writes, (Writes{{"Opponents/lineup", 1}}));
    EXPECT_EQ(view().panel.lineupItem, 1);
    EXPECT_EQ(view().seats[Freak].style, "Shark");  // the mixed line-up's first seat

    // A pick press: seven digits, Freak's first; anything else is the classic style.
    forget();
    EXPECT_TRUE(table.press({Control::PickStyles, 0, "12x4569"}));
    EXPECT_EQ(store.writes, (Writes{{"Opponents/lineup", 3}, {"Opponents/freak", 1}, {"Opponents/geek", 2},
                                    {"Opponents/master", 0}, {"Opponents/champ", 4}, {"Opponents/pinhead", 5},
                                    {"Opponents/expert", 6}, {"Opponents/robot", 0}}));
    EXPECT_EQ(view().seats[Master].style, "Classic");
    EXPECT_EQ(view().seats[Expert].style, "Shark");
}

TEST_F(Options, FirstStepRightAfterStartUpSetsFourAndEight) {
    open();
    forget();
    EXPECT_TRUE(table.stepLimits(true));
    EXPECT_EQ(view().panel.limitsStep, 2);
    EXPECT_EQ(state().smallBet, 4);
    EXPECT_EQ(state().bigBet, 8);
    EXPECT_EQ(view().panel.smallBetText, "4");
    EXPECT_EQ(view().panel.bigBetText, "8");
    EXPECT_EQ(store.writes, (Writes{{"Bet/Small", 4}, {"Bet/Big", 8}}));
}

TEST_F(Options, StepsStopAtEitherEndButStillWrite) {
    open();
    forget();
    EXPECT_TRUE(table.stepLimits(false));  // at position 1 already
    EXPECT_EQ(view().panel.limitsStep, 1);
    EXPECT_EQ(view().panel.smallBetText, "2");
    EXPECT_EQ(view().panel.bigBetText, "4");
    EXPECT_TRUE(table.stepLimits(false));
    EXPECT_EQ(store.writes, (Writes{{"Bet/Small", 2}, {"Bet/Big", 4}, {"Bet/Small", 2}, {"Bet/Big", 4}}));

    for (int press = 0; press < 4; ++press) table.stepLimits(true);
    EXPECT_EQ(view().panel.limitsStep, 5);
    forget();
    EXPECT_TRUE(table.stepLimits(true));
    EXPECT_EQ(view().panel.limitsStep, 5);
    EXPECT_EQ(state().smallBet, 10);
    EXPECT_EQ(state().bigBet, 20);
    EXPECT_EQ(view().panel.smallBetText, "10");
    EXPECT_EQ(view().panel.bigBetText, "20");
    EXPECT_EQ(store.writes, (Writes{{"Bet/Small", 10}, {"Bet/Big", 20}}));
}

// The up-down control starts at 1 whatever limits were stored; they show until the first step.
TEST_F(OptionsStored, UpDownStartsAtOneWhateverTheStoredLimits) {
    store.values = {{{"Bet", "Small"}, 8}, {{"Bet", "Big"}, 16}};
    startUp();
    EXPECT_EQ(view().panel.smallBetText, "8");
    EXPECT_EQ(view().panel.bigBetText, "16");
    table.toggleOptions();
    table.stepLimits(true);
    EXPECT_EQ(state().smallBet, 4);
    EXPECT_EQ(state().bigBet, 8);
}

TEST_F(Options, NewLimitsSetTheNextDealsBlinds) {
    open();
    for (int press = 0; press < 4; ++press) table.stepLimits(true);
    EXPECT_EQ(state().pot, 6);  // the hand in progress keeps its blinds
    finishHand();
    setCash(1200);
    state().blindSeat = Expert;  // the next big blind is Robot's
    ASSERT_TRUE(table.deal());
    EXPECT_EQ(state().smallBlind, 5);
    EXPECT_EQ(state().bigBlind, 10);
    EXPECT_EQ(state().pot, 15);
    EXPECT_EQ(state().cash[Expert], 1195);
    EXPECT_EQ(state().cash[Robot], 1190);
    EXPECT_EQ(view().checkOrCall.caption, "Call");
}

TEST_F(Options, CardBackRedrawsFaceDownCardsAtOnce) {
    open();
    forget();
    EXPECT_TRUE(table.chooseCardBack(7));
    EXPECT_EQ(state().cardBack, 59);
    EXPECT_EQ(view().panel.cardBackItem, 7);
    EXPECT_EQ(store.writes, (Writes{{"Card/back", 59}}));
    const std::vector<std::string> expected = preflopDraws(state());
    EXPECT_EQ(describeAll(host.events), expected);
    EXPECT_EQ(expected[2], "draw 59 at 117 335");  // Freak's first card shows back 8

    forget();
    EXPECT_FALSE(table.chooseCardBack(8));
    EXPECT_FALSE(table.chooseCardBack(-1));
    EXPECT_TRUE(host.events.empty());
    EXPECT_TRUE(store.writes.empty());
}

TEST_F(Options, LevelsSetTheComputerStrength) {
    open();
    forget();
    for (int item : {3, 1, 2, 0}) ASSERT_TRUE(table.chooseLevel(item));
    EXPECT_EQ(store.writes, (Writes{{"Levels/comp", 900}, {"Levels/comp", 600}, {"Levels/comp", 800},
                                    {"Levels/comp", 400}}));
    EXPECT_EQ(state().aiLevel, 400);
    EXPECT_EQ(view().panel.levelItem, 0);
    ASSERT_TRUE(table.chooseLevel(2));
    EXPECT_EQ(state().aiLevel, 800);
    EXPECT_EQ(view().panel.levelItem, 2);
    EXPECT_FALSE(table.chooseLevel(4));
    EXPECT_EQ(state().aiLevel, 800);
}

TEST_F(Options, SoundPressedTwiceWritesOffThenOn) {
    open();
    forget();
    ASSERT_TRUE(state().soundOn);
    ASSERT_TRUE(table.toggleSound());
    EXPECT_FALSE(state().soundOn);
    EXPECT_EQ(view().panel.soundText, "Off");
    ASSERT_TRUE(table.toggleSound());
    EXPECT_TRUE(state().soundOn);
    EXPECT_EQ(view().panel.soundText, "On");
    EXPECT_EQ(store.writes, (Writes{{"Settings/Sound", 0}, {"Settings/Sound", 1}}));
    EXPECT_EQ(countKind(host.events, HostEvent::Sound), 0);
}

TEST_F(Options, StatisticsWindowShowsAndResetsTheCounts) {
    state().handsPlayed = 12;
    state().handsWon = 5;
    state().showdownCount = 7;
    forget();

    // The window opens with the figures the table answers; the table itself shows nothing.
    EXPECT_TRUE(table.showStats());
    EXPECT_TRUE(host.events.empty());
    EXPECT_EQ(view().stats.handsPlayed, "12");
    EXPECT_EQ(view().stats.handsWon, "5");
    EXPECT_EQ(view().stats.showdowns, "7");
    EXPECT_TRUE(store.writes.empty());

    // Reset, pressed in the window: zeros at once, in memory, on the labels and in the file.
    EXPECT_TRUE(table.press({Control::ResetStats}));
    EXPECT_EQ(store.writes, (Writes{{"Stats/showdowns", 0}, {"Stats/handsplayed", 0}, {"Stats/handswon", 0}}));
    EXPECT_EQ(state().handsPlayed, 0);
    EXPECT_EQ(state().handsWon, 0);
    EXPECT_EQ(state().showdownCount, 0);
    EXPECT_EQ(view().stats.handsPlayed, "0");
    EXPECT_EQ(view().stats.handsWon, "0");
    EXPECT_EQ(view().stats.showdowns, "0");

    // A showdown later in the same hand counts one hand; the next deal writes that count.
    finishHand();
    state().blindSeat = Expert;  // the next big blind is Robot's: nobody answers it
    forget();
    ASSERT_TRUE(table.deal());
    ASSERT_GE(store.writes.size(), 3u);
    EXPECT_EQ(Writes(store.writes.begin(), store.writes.begin() + 3),
              (Writes{{"Stats/showdowns", 0}, {"Stats/handsplayed", 1}, {"Stats/handswon", 0}}));
}

}  // namespace
}  // namespace trelvist::testing
