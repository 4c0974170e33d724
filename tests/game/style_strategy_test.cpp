// The styles' pre-flop reading of the betting: the big blind is the street's first bet, so a pot
// nobody raised is entered on the entry score, and the street's bets stop at a bet and three
// raises however strong the hand. A style that reads the table enters wider in late position
// once it has seen the others play loose.
#include <gtest/gtest.h>

#include <vector>

#include "game/style_strategy.h"

namespace trelvist {
namespace {

constexpr StyleParams kPicky{
    .enterScore = 5, .raisedScore = 15, .raiseScore = 5, .preflopBluff = 0,
    .callFactor = 1, .minShare = 0, .raiseShare = 0, .bluff = 0, .readsTable = false,
};

SeatContext preflopAt(int seat, const std::vector<SeatAction>& actions) {
    SeatContext context;
    context.seat = seat;
    context.hole = {Card{0, 9}, Card{1, 8}};  // jack-ten offsuit: a score of 7
    context.street = 1;
    context.smallBet = 10;
    context.bigBet = 20;
    context.toPay = 10;
    context.pot = 15;
    context.inHand.fill(true);
    context.actions = actions;
    return context;
}

TEST(StyleStrategy, TheBigBlindIsABetAndTheStreetStopsAtThreeRaises) {
    ASSERT_EQ(startingHandScore({Card{0, 9}, Card{1, 8}}), 7);
    const std::vector<SeatAction> blinds{{Robot, 1, Move::Call, 5, true}, {Expert, 1, Move::Raise, 10, true}};
    StyleStrategy style(kPicky);
    EXPECT_TRUE(style.staysIn(preflopAt(Pinhead, blinds))) << "only the blinds: the entry score decides";
    EXPECT_TRUE(style.raises(preflopAt(Pinhead, blinds)));

    std::vector<SeatAction> raised = blinds;
    raised.push_back({Pinhead, 1, Move::Raise, 20, false});
    EXPECT_FALSE(style.staysIn(preflopAt(Champ, raised))) << "a raise: the raised score decides";

    raised.push_back({Champ, 1, Move::Raise, 30, false});
    EXPECT_TRUE(style.raises(preflopAt(Master, raised))) << "the blind and two raises: one more is allowed";
    raised.push_back({Master, 1, Move::Raise, 40, false});
    EXPECT_FALSE(style.raises(preflopAt(Geek, raised))) << "the blind and three raises: the cap";
}

// Forty hands in which every other seat answers before the flop with `answer`, then a hand of
// eight-seven offsuit (a score of 5) after five folds: does the reader of the table play it?
bool playsEightSevenLateAfter(Move answer) {
    StyleParams reader = kPicky;
    reader.enterScore = 7;
    reader.readsTable = true;
    StyleStrategy style(reader);
    for (int hand = 0; hand < 40; ++hand) {
        std::vector<SeatAction> actions;
        for (int seat = You; seat > Robot; --seat) actions.push_back({seat, 1, answer, answer == Move::Call ? 10 : 0, false});
        SeatContext context = preflopAt(Robot, actions);
        context.hole = {Card{0, hand % 13}, Card{1, (hand + 5) % 13}};
        style.staysIn(context);
    }
    std::vector<SeatAction> folds;
    for (int seat = You; seat > Pinhead; --seat) folds.push_back({seat, 1, Move::Fold, 0, false});
    SeatContext late = preflopAt(Robot, folds);
    late.hole = {Card{0, 6}, Card{1, 5}};
    EXPECT_EQ(startingHandScore(late.hole), 5);
    return style.staysIn(late);
}

TEST(StyleStrategy, AReaderOfTheTableEntersWiderLateAtALooseTable) {
    EXPECT_FALSE(playsEightSevenLateAfter(Move::Fold));
    EXPECT_TRUE(playsEightSevenLateAfter(Move::Call));
}

// Heads-up on a flop of king, seven, four: Expert entered and raised after the flop; Robot answers
// a bet that costs a quarter of the pot.
SeatContext facingAFlopRaise(std::array<Card, 2> hole, const std::array<Card, 3>& flop) {
    static std::vector<SeatAction> actions;
    actions = {{Robot, 1, Move::Call, 5, true}, {Expert, 1, Move::Raise, 10, true}, {Robot, 1, Move::Call, 5, false},
               {Expert, 2, Move::Raise, 10, false}};
    SeatContext context;
    context.seat = Robot;
    context.hole = hole;
    context.board = flop;
    context.street = 2;
    context.smallBet = 10;
    context.bigBet = 20;
    context.toPay = 10;
    context.pot = 30;
    context.inHand[Robot] = context.inHand[Expert] = true;
    context.seatsOut = 6;
    context.actions = actions;
    return context;
}

TEST(StyleStrategy, AReaderOfTheTablePutsAPairInTheHandOfARaiserAfterTheFlop) {
    static constexpr std::array<Card, 3> kFlop{Card{0, 11}, Card{1, 5}, Card{2, 2}};
    const std::array<Card, 2> aceHigh{Card{3, 12}, Card{1, 0}};
    const std::array<Card, 2> topPair{Card{3, 12}, Card{3, 11}};
    StyleParams plain = kPicky;
    plain.callFactor = 1.5;
    StyleParams reader = plain;
    reader.readsTable = true;
    // Against two random cards ace-high is about even money, well above the price.
    EXPECT_TRUE(StyleStrategy(plain).staysIn(facingAFlopRaise(aceHigh, kFlop)));
    // Against the pairs a raise shows it is far behind; top pair with the best kicker is not.
    EXPECT_FALSE(StyleStrategy(reader).staysIn(facingAFlopRaise(aceHigh, kFlop)));
    EXPECT_TRUE(StyleStrategy(reader).staysIn(facingAFlopRaise(topPair, kFlop)));
}

// A reader of the table calls a small price into a big pot with a weaker hand than it enters on:
// ten-eight offsuit (a score of 5) against an entry score of 7.
TEST(StyleStrategy, AReaderOfTheTableCallsCheapIntoABigPot) {
    StyleParams reader = kPicky;
    reader.enterScore = 7;
    reader.readsTable = true;
    SeatContext context = preflopAt(Robot, {});
    context.hole = {Card{0, 8}, Card{1, 6}};
    ASSERT_EQ(startingHandScore(context.hole), 5);
    EXPECT_FALSE(StyleStrategy(reader).staysIn(context)) << "a call of two fifths of the pot";
    context.pot = 75;  // the blinds and five calls: the call is under a seventh of the pot it makes
    EXPECT_TRUE(StyleStrategy(reader).staysIn(context));
    reader.readsTable = false;
    EXPECT_FALSE(StyleStrategy(reader).staysIn(context)) << "only a reader weighs the price";
}

}  // namespace
}  // namespace trelvist
