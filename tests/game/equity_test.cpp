#include "game/equity.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include "game/human_odds.h"
#include "game/table.h"
#include "tests/support/test_host.h"

namespace trelvist {
namespace {

// "As Ks | Qs Js Ts 2c 3d": the human's two cards, then the board shown (rank 2..A, suit c d h s).
EquityQuestion ask(const std::string& text, int opponents) {
    static const std::string kRankChars = "23456789TJQKA", kSuitChars = "cdhs";
    auto card = [&](std::size_t at) {
        return Card{int32_t(kSuitChars.find(text[at + 1])), int32_t(kRankChars.find(text[at]))};
    };
    EquityQuestion q;
    q.hole = {card(0), card(3)};
    for (std::size_t at = 8; at < text.size(); at += 3) q.board[q.boardShown++] = card(at);
    q.opponents = opponents;
    return q;
}

void expectExact(const Equity& e, uint64_t wins, uint64_t ties, uint64_t deals) {
    EXPECT_EQ(e.method, EquityMethod::Exact);
    EXPECT_EQ(e.deals, deals);
    EXPECT_DOUBLE_EQ(e.winPercent, 100.0 * wins / deals);
    EXPECT_DOUBLE_EQ(e.tiePercent, 100.0 * ties / deals);
}

// Figures counted by hand.
TEST(Equity, ExactCountsMatchHandCountedFigures) {
    // A royal flush made with the human's cards: nothing beats or ties it.
    expectExact(computeEquity(ask("As Ks | Qs Js Ts 2c 3d", 1)), 990, 0, 990);
    expectExact(computeEquity(ask("As Ks | Qs Js Ts 2c 3d", 2)), 893'970, 0, 893'970);
    // A royal flush on the board: everyone plays it.
    expectExact(computeEquity(ask("2c 3d | Ts Js Qs Ks As", 1)), 0, 990, 990);
    // The board's straight, Five to Nine: any Ten (170 holdings of the 990) makes a higher one;
    // the rest play the board and tie, since equal straights tie whatever else is held.
    expectExact(computeEquity(ask("2c 2d | 5c 6d 7h 8s 9c", 1)), 0, 820, 990);
    // A set of Sevens loses to Three-Five (16 holdings, the wheel) and to the sets of Aces and
    // Kings (3 each): 22 of 990. Against two opponents, by inclusion and exclusion over the
    // ordered deals: 893,970 - 2 * 22 * 903 + 354 both beating it.
    expectExact(computeEquity(ask("7h 7d | Ah Kd 7c 4s 2h", 1)), 968, 0, 990);
    expectExact(computeEquity(ask("7h 7d | Ah Kd 7c 4s 2h", 2)), 854'592, 0, 893'970);
}

TEST(Equity, CountsExactlyOnlyWhileTheWorkIsSmall) {
    EXPECT_EQ(exactDealCount(ask("Ah Ad | 7c 8d 2s", 1)), 1'070'190u);  // C(47,2) * C(45,2)
    EXPECT_EQ(exactDealCount(ask("Ah Ad | 7c 8d 2s 3h", 1)), 45'540u);
    EXPECT_EQ(exactDealCount(ask("Ah Ad | 7c 8d 2s 3h", 2)), 41'122'620u);
    EXPECT_EQ(exactDealCount(ask("Ah Ad", 7)), UINT64_MAX);  // past 2^64
    EXPECT_EQ(computeEquity(ask("Ah Ad | 7c 8d 2s", 1)).method, EquityMethod::Exact);
    const Equity turnTwo = computeEquity(ask("Ah Ad | 7c 8d 2s 3h", 2));
    EXPECT_EQ(turnTwo.method, EquityMethod::Sampled);
    EXPECT_EQ(turnTwo.deals, kSampledDeals);
    EXPECT_EQ(computeEquity(ask("Ah Ad", 1)).method, EquityMethod::Sampled);
}

// Two Aces against one random hand win 84.9 % and tie 0.5 % of the time, as equity tables
// give it; against seven the win falls far below half.
TEST(Equity, PreflopAcesMatchTheKnownFigure) {
    const Equity aces = computeEquity(ask("Ah Ad", 1));
    EXPECT_NEAR(aces.winPercent, 84.9, kSampledMargin);
    EXPECT_NEAR(aces.tiePercent, 0.55, kSampledMargin);
    const Equity againstSeven = computeEquity(ask("Ah Ad", 7));
    EXPECT_GT(againstSeven.winPercent, 30);
    EXPECT_LT(againstSeven.winPercent, 45);
}

// On positions small enough to count, the sampled figure lies within the stated margin of the
// exact one, and asking again gives the same figure.
TEST(Equity, SamplingAgreesWithCountingWithinTheMargin) {
    const EquityQuestion positions[] = {
        ask("Ah Ad | 7c 8d 2s", 1),        // an overpair on the flop
        ask("9h Th | Jh 2h 5c", 1),        // a draw to a straight flush
        ask("Kc Qd | Kh 9s 4d 4c", 1),     // top pair on a paired turn
        ask("5s 5d | 6c 7c 8c Jh 2d", 2),  // a small pair, two opponents on the river
    };
    for (const EquityQuestion& q : positions) {
        const Equity exact = exactEquity(q);
        const Equity sampled = sampledEquity(q, kSampledDeals, 12345);
        EXPECT_EQ(sampled.method, EquityMethod::Sampled);
        EXPECT_EQ(sampled.deals, kSampledDeals);
        EXPECT_NEAR(sampled.winPercent, exact.winPercent, kSampledMargin) << exact.winPercent;
        EXPECT_NEAR(sampled.tiePercent, exact.tiePercent, kSampledMargin) << exact.tiePercent;
    }
    const Equity first = computeEquity(ask("Jc Td", 3));
    const Equity again = computeEquity(ask("Jc Td", 3));
    EXPECT_EQ(first.winPercent, again.winPercent);
    EXPECT_EQ(first.tiePercent, again.tiePercent);
}

TEST(Equity, RefusesQuestionsNoTableAsks) {
    EquityQuestion twoOnBoard = ask("Ah Ad | 7c 8d", 1);
    EXPECT_THROW(computeEquity(twoOnBoard), std::invalid_argument);
    EXPECT_THROW(computeEquity(ask("Ah Ad", 8)), std::invalid_argument);
    EXPECT_THROW(computeEquity(ask("Ah Ad", -1)), std::invalid_argument);
    EXPECT_THROW(computeEquity(ask("Ah Ad | Ah 8d 2s", 1)), std::invalid_argument);
    EquityQuestion placeholder = ask("Ah Ad", 1);
    placeholder.hole[1] = kPlaceholder5;
    EXPECT_THROW(sampledEquity(placeholder, 10, 1), std::invalid_argument);
}

// The meter's question follows the table: the board by street, the opponents still in, and
// nothing once the human is out or the hand is over.
TEST(HumanOddsQuestion, FollowsTheTable) {
    testing::TestHost host;
    testing::MemoryStore store;
    Table table(host, store);
    table.startUp();
    TableState& s = table.stateForTesting();
    s.street = 1;
    std::optional<EquityQuestion> q = humanOddsQuestion(s);
    ASSERT_TRUE(q);
    EXPECT_EQ(q->hole[0], s.hole(You)[0]);
    EXPECT_EQ(q->hole[1], s.hole(You)[1]);
    EXPECT_EQ(q->boardShown, 0);
    EXPECT_EQ(q->opponents, 7);

    s.folded[Geek] = true;
    s.cash[Robot] = 0;  // all in with its last chips: out of the showdown
    for (auto [street, shown] : {std::pair{2, 3}, std::pair{3, 4}, std::pair{4, 5}}) {
        s.street = street;
        q = humanOddsQuestion(s);
        ASSERT_TRUE(q);
        EXPECT_EQ(q->boardShown, shown);
        for (int i = 0; i < shown; ++i) EXPECT_EQ(q->board[i], s.board()[i]);
        EXPECT_EQ(q->opponents, 5);
    }

    s.street = 5;
    EXPECT_FALSE(humanOddsQuestion(s));
    s.street = 3;
    s.cash[You] = 0;
    EXPECT_FALSE(humanOddsQuestion(s));
    s.cash[You] = 100;
    s.folded[You] = true;
    EXPECT_FALSE(humanOddsQuestion(s));
    s.folded[You] = false;
    for (int seat : kOpponents) s.folded[seat] = true;
    EXPECT_FALSE(humanOddsQuestion(s));
}

}  // namespace
}  // namespace trelvist
