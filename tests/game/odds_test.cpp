// The odds routine and the advice: the hole-card adjustment, the strong-start bonus, the flop
// test, the simulated deals (checked against a model written from the rules, run on copies of
// the generator and the odds deck), the level divisors, and the advice's rating words.
#include <gtest/gtest.h>

#include "game/evaluator.h"
#include "tests/game/table_rig.h"

namespace trelvist {
namespace {

using testing::card;
using testing::Rig;
using testing::rollAtMost;
using testing::rollIs;

// ---- The odds routine as the rules describe it, run on copies of the generator and the odds
// deck, so that a test knows the strength, the draws and the deck order a run must leave. ----

struct OddsPosition {
    Card first, second;        // the subject's hole cards
    std::array<Card, 5> board; // flop, flop, flop, turn, river
    int32_t street = 1;
    int32_t level = 400;
    int32_t previous = 0;      // the strength before the run
};

struct OddsOutcome {
    int32_t strength = 0;
    bool noRaise = false;
    int32_t adjustment = 0;
};

int32_t holeAdjustment(Card a, Card b) {
    const int r1 = a.rank, r2 = b.rank;
    const bool suited = a.suit == b.suit;
    int32_t adjustment = 0;
    if (r1 > 4 && r2 > 7 && suited) adjustment = 7;
    if (r1 > 7 && r2 > 4 && suited) adjustment = 7;
    if (r1 > 6 && r2 > 6 && suited) adjustment = 7;
    if (r1 > 8 && r2 > 8) adjustment = 10;
    if (r1 > 7 && r2 > 7 && suited) adjustment = 12;
    if ((r1 < 4 || r2 < 4) && r1 != r2 && !suited) adjustment = -20;
    if (r1 < 6 && r2 < 6 && r1 != r2) adjustment = -20;
    return adjustment;
}

OddsOutcome modelOdds(const OddsPosition& p, Deck& odds, Random& rng) {
    OddsOutcome out;
    int32_t won = 0;
    std::array<Card, 7> slot{};
    const auto flopOnly = [&] {
        slot = {p.first, p.second, p.board[0], p.board[1], p.board[2], kPlaceholder5, kPlaceholder6};
        return evaluateHand(slot.data()).handValue;
    };
    if (p.street == 1) {
        const int32_t v = flopOnly();
        const int r1 = p.first.rank, r2 = p.second.rank;
        if (p.level != 2000 && ((v > 100 && r1 > 7 && r2 > 7) || (v > 108 && r1 > 5 && r2 > 8) ||
                                (v > 108 && r1 > 8 && r2 > 5)))
            out.adjustment = 20;
        else
            out.adjustment = holeAdjustment(p.first, p.second);
    } else if (rng.next() % 100 > 50) {
        out.noRaise = true;
    }
    if (p.street == 2) {
        const int32_t v = flopOnly();
        const auto belowAFlopCard = [&](int32_t rank) {
            return rank < p.board[0].rank || rank < p.board[1].rank || rank < p.board[2].rank;
        };
        if ((v >= 100 && v <= 149 && belowAFlopCard(v - 100)) || (v >= 200 && v <= 208 && belowAFlopCard(v - 200)))
            out.noRaise = true;
    }
    const int known = p.street == 2 ? 3 : p.street == 3 ? 4 : p.street >= 4 ? 5 : 0;
    for (int64_t deal = 0; deal <= p.level; ++deal) {
        for (int i = 0; i < 101; ++i) {
            const uint32_t a = rng.next() % 52;
            const uint32_t b = rng.next() % 52;
            std::swap(odds[a], odds[b]);
        }
        slot[0] = p.first;
        slot[1] = p.second;
        if (p.street == 1) {
            // Slots 5 and 6 keep what the previous evaluation left there.
            slot[2] = odds[48];
            slot[3] = odds[49];
            slot[4] = odds[50];
        } else {
            for (int i = 0; i < known; ++i) slot[2 + i] = p.board[i];
            if (known < 5) slot[6] = odds[51];
            if (known < 4) slot[5] = odds[50];
        }
        const int32_t subject = evaluateHand(slot.data()).handValue;
        int matched = 0;
        for (int k = 0; k < 6; ++k) {
            for (int i = 0; i < 7; ++i) slot[i] = odds[7 * k + i];
            for (int i = 0; i < known; ++i) slot[2 + i] = p.board[i];
            if (subject >= evaluateHand(slot.data()).handValue) ++matched;
        }
        if (matched == 6) ++won;
    }
    out.strength = p.previous;
    switch (p.level) {
        case 400: out.strength = won / 4; break;
        case 600: out.strength = won / 6; break;
        case 800: out.strength = won / 8; break;
        case 900: out.strength = won / 9; break;
        case 2000: out.strength = won / 20; break;
        default: break;  // the division is skipped
    }
    out.strength += out.adjustment;
    return out;
}

OddsPosition position(const char* first, const char* second, const std::array<const char*, 5>& board, int32_t street,
                      int32_t level, int32_t previous = 0) {
    OddsPosition p{card(first), card(second), {}, street, level, previous};
    for (int i = 0; i < 5; ++i) p.board[i] = card(board[i]);
    return p;
}

// Puts a position on the table: the subject's cards in records 85 and 86, the board, the street
// and the level.
void place(Rig& rig, const OddsPosition& p) {
    rig.s().cardRec[kSubject] = p.first;
    rig.s().cardRec[kSubject + 1] = p.second;
    for (int i = 0; i < 5; ++i) rig.s().cardRec[kBoard + i] = p.board[i];
    rig.s().street = p.street;
    rig.s().aiLevel = p.level;
    rig.s().strength = p.previous;
}

// ---------------------------------------------------------------------------------------------
// With level -1 no deal is simulated: the strength is the previous one plus the adjustment.

struct AdjustCase {
    const char* first;
    const char* second;
    int32_t adjustment;
};

TEST(OddsRoutine, HoleCardTableLines) {
    const AdjustCase cases[] = {
        {"7h", "Th", 7},    // a: Seven and Ten suited
        {"6h", "Th", 0},    // a needs the first card above a Six
        {"Th", "7h", 7},    // b
        {"Th", "6h", 0},    // b needs the second card above a Six
        {"Jc", "Qd", 10},   // d
        {"Tc", "Jd", 0},    // d needs both above a Ten
        {"Jc", "Qc", 12},   // e overrides d
        {"Tc", "Jc", 12},   // e
        {"7c", "2d", -20},  // f
        {"Ac", "4d", -20},  // f with an Ace
        {"Ac", "4c", 0},    // f needs different suits
        {"4c", "4d", 0},    // a pair meets neither f nor g
        {"7c", "6d", -20},  // g
        {"6c", "4c", -20},  // g suited
        {"8c", "6d", 0},
    };
    for (const AdjustCase& c : cases) {
        SCOPED_TRACE(std::string(c.first) + " " + c.second);
        Rig rig;
        place(rig, position(c.first, c.second, {"2s", "3h", "9c", "Kd", "5s"}, 1, -1, 50));
        rig.forget();
        const OddsEstimate estimate = rig.table.estimateOdds();
        EXPECT_EQ(rig.s().strength, 50 + c.adjustment);
        EXPECT_EQ(rig.draws(), 0u);
        EXPECT_FALSE(estimate.noRaise);
    }
}

struct BonusCase {
    const char* first;
    const char* second;
    std::array<const char*, 5> board;
    int32_t adjustment;
};

TEST(OddsRoutine, StrongStartBonusLooksAtTheUnseenFlop) {
    const BonusCase cases[] = {
        {"Tc", "Td", {"2s", "3h", "9c", "Kd", "5s"}, 20},  // a pair of Tens in the hole
        {"9c", "9d", {"2s", "3h", "5c", "Kd", "6s"}, 0},   // Nines: not above 7, not above 108
        {"Kc", "Kd", {"2s", "3h", "9c", "Kd", "5s"}, 20},  // the table would give 10
        {"Tc", "Qd", {"Qs", "3h", "2c", "Kd", "5s"}, 20},  // a pair with the flop
        {"Jc", "Qc", {"Js", "3h", "2d", "Kd", "5s"}, 20},  // replaces the table's 12
        {"8c", "Jd", {"Js", "3h", "2c", "Kd", "5s"}, 20},  // Jacks with an Eight: second line
        {"Jd", "8c", {"Js", "3h", "2c", "Kd", "5s"}, 20},  // third line
        {"8c", "Td", {"Ts", "3h", "2c", "Kd", "5s"}, 0},   // Tens are 108, not above it
        {"7c", "Jd", {"Js", "3h", "2c", "Kd", "5s"}, 0},   // a Nine is needed beside the Jack
    };
    for (const BonusCase& c : cases) {
        SCOPED_TRACE(std::string(c.first) + " " + c.second + " on " + c.board[0]);
        Rig rig;
        place(rig, position(c.first, c.second, c.board, 1, -1, 50));
        rig.table.estimateOdds();
        EXPECT_EQ(rig.s().strength, 50 + c.adjustment);
    }
}

struct FlopCase {
    const char* first;
    const char* second;
    std::array<const char*, 5> board;
    bool noRaise;
};

TEST(OddsRoutine, FlopTestBarsWeakHandsFromRaising) {
    const FlopCase cases[] = {
        {"5c", "5d", {"Ks", "9h", "2d", "7c", "3s"}, true},   // a pair under the King
        {"5c", "9d", {"Ks", "9h", "2d", "7c", "3s"}, true},   // the middle pair
        {"Kc", "4d", {"Ks", "9h", "2d", "7c", "3s"}, false},  // top pair
        {"Ac", "Ad", {"Ks", "9h", "2d", "7c", "3s"}, false},  // an overpair
        {"Ac", "Qd", {"Ks", "9h", "2d", "7c", "3s"}, true},   // no pair
        {"Tc", "9d", {"Ts", "9h", "Kd", "7c", "3s"}, true},   // two pair, Tens, under the King
        {"Tc", "9d", {"Ts", "9h", "2d", "7c", "3s"}, false},  // two pair, Tens, on top
        {"Jc", "9d", {"Js", "9h", "Kd", "7c", "3s"}, false},  // two pair, Jacks
        {"5c", "5d", {"5h", "Ks", "9d", "7c", "3s"}, false},  // three of a kind
        {"Ac", "Qd", {"Ks", "Kh", "2d", "7c", "3s"}, false},  // the board's pair of Kings
    };
    for (const FlopCase& c : cases) {
        SCOPED_TRACE(std::string(c.first) + " " + c.second + " on " + c.board[0] + " " + c.board[1] + " " + c.board[2]);
        Rig rig;
        place(rig, position(c.first, c.second, c.board, 2, -1, 50));
        rig.rolls({rollAtMost(50)});
        rig.forget();
        const OddsEstimate estimate = rig.table.estimateOdds();
        EXPECT_EQ(estimate.noRaise, c.noRaise);
        EXPECT_EQ(rig.s().strength, 50);
        EXPECT_EQ(rig.draws(), 1u);
    }
}

TEST(OddsRoutine, AfterThePreflopOneRollAbove50BarsAnyHand) {
    for (const auto& [street, roll, noRaise] : {std::tuple{2, 51, true}, {2, 50, false}, {3, 51, true}, {4, 50, false}}) {
        SCOPED_TRACE("street " + std::to_string(street) + ", roll " + std::to_string(roll));
        Rig rig;
        place(rig, position("Kc", "4d", {"Ks", "9h", "2d", "7c", "3s"}, street, -1, 50));
        rig.rolls({rollIs(roll)});
        const OddsEstimate estimate = rig.table.estimateOdds();
        EXPECT_EQ(estimate.noRaise, noRaise);
    }
    Rig turn;  // no flop test after the flop
    place(turn, position("Ac", "Qd", {"Ks", "9h", "2d", "7c", "3s"}, 3, -1, 50));
    turn.rolls({rollAtMost(50)});
    const OddsEstimate estimate = turn.table.estimateOdds();
    EXPECT_FALSE(estimate.noRaise);
}

// ---------------------------------------------------------------------------------------------
// Simulated deals.

TEST(OddsRoutine, SimulatedDealsDrawsAndDivisorsAtEveryLevelAndStreet) {
    const std::array<const char*, 5> board{"Ks", "9h", "2d", "7c", "3s"};
    for (auto [first, second] : {std::pair{"Kc", "Kd"}, {"7d", "2c"}, {"Qh", "Jh"}}) {
        for (int32_t level : {400, 600, 800, 900, 2000, 500, 1}) {
            for (int32_t street = 1; street <= 5; ++street) {
                SCOPED_TRACE(std::string(first) + second + ", level " + std::to_string(level) + ", street " +
                             std::to_string(street));
                Rig rig;
                const OddsPosition p = position(first, second, board, street, level, 77);
                place(rig, p);
                Deck deck = rig.s().oddsDeck;
                Random rng = rig.table.random();
                const OddsOutcome expected = modelOdds(p, deck, rng);
                rig.forget();
                const OddsEstimate estimate = rig.table.estimateOdds();
                EXPECT_EQ(rig.s().strength, expected.strength);
                EXPECT_EQ(estimate.noRaise, expected.noRaise);
                EXPECT_EQ(rig.draws(), uint64_t(level + 1) * 202 + (street == 1 ? 0 : 1));
                EXPECT_EQ(rig.s().oddsDeck, deck);
                if (level == 500 || level == 1) {
                    EXPECT_EQ(rig.s().strength, 77 + expected.adjustment);
                }
            }
        }
    }
}

TEST(OddsRoutine, TheOddsDeckKeepsTheCardsOfTheHand) {
    // A royal flush on the board: every simulated hand ties it, so every deal is won, whatever
    // cards the simulated opponents hold (some of them the subject's own).
    Rig rig;
    place(rig, position("2c", "3d", {"As", "Ks", "Qs", "Js", "Ts"}, 4, 400, 0));
    rig.table.estimateOdds();
    EXPECT_EQ(rig.s().strength, 100);
}

// ---------------------------------------------------------------------------------------------
// The advice.

// The advice raises a strength below 0 to 1.
int32_t advised(int32_t strength) { return strength < 0 ? 1 : strength; }

TEST(Advice, RunsTwoThousandAndOneDealsForTheHumanWithoutTheBonus) {
    for (int32_t street = 1; street <= 4; ++street) {
        SCOPED_TRACE("street " + std::to_string(street));
        Rig rig;
        rig.s().street = street;
        rig.s().aiLevel = 600;
        rig.hole(You, "Kc", "Kd");  // the bonus would give 20, the table gives 10
        rig.board({"Ks", "9h", "2d", "7c", "3s"});
        const OddsPosition p = position("Kc", "Kd", {"Ks", "9h", "2d", "7c", "3s"}, street, 2000);
        Deck deck = rig.s().oddsDeck;
        Random rng = rig.table.random();
        const OddsOutcome expected = modelOdds(p, deck, rng);
        rig.forget();
        ASSERT_TRUE(rig.table.advice());
        EXPECT_EQ(rig.s().strength, advised(expected.strength));
        EXPECT_EQ(rig.draws(), 2001u * 202 + (street == 1 ? 0 : 1));
        EXPECT_EQ(rig.s().aiLevel, 600);
        EXPECT_EQ(rig.s().cardRec[kSubject], card("Kc"));
        ASSERT_EQ(rig.host.events.size(), 1u);
        EXPECT_EQ(rig.host.events[0].kind, testing::HostEvent::Window);
        EXPECT_EQ(rig.host.events[0].numbers[0], static_cast<int>(ModalWindow::Odds));
    }
}

TEST(Advice, AfterTheHumansFoldItStillRatesTheHoleCardsWithTheWholeBoard) {
    Rig rig;
    rig.midHand(3, Robot, 20);
    ASSERT_TRUE(rig.table.fold());
    ASSERT_EQ(rig.s().street, 5);
    const OddsPosition p = position("8d", "6c", testing::kNeutralBoard, 5, 2000);
    Deck deck = rig.s().oddsDeck;
    Random rng = rig.table.random();
    const int32_t strength = advised(modelOdds(p, deck, rng).strength);
    rig.forget();
    ASSERT_TRUE(rig.table.advice());
    EXPECT_EQ(rig.s().strength, strength);
    EXPECT_EQ(rig.draws(), 2001u * 202 + 1);
}

struct RatingCase {
    int32_t strength;
    const char* first;  // the human's cards and a board where this strength is near the mean
    const char* second;
    std::array<const char*, 5> board;
    int32_t street;
    const char* caption;
    int left;
};

const std::array<const char*, 5> kBoardA{"2s", "7h", "Jc", "Kd", "4s"};
const std::array<const char*, 5> kBoardB{"2s", "8h", "Qc", "5d", "As"};

// For each row a seed is looked for that makes the advice reach the row's strength exactly.
const RatingCase kRatings[] = {
    {17, "8c", "6d", kBoardA, 1, "Below Average", 36},
    {19, "8c", "6d", kBoardA, 1, "Below Average", 36},
    {20, "7c", "Ad", kBoardA, 1, "Average", 75},
    {4, "7c", "8d", kBoardA, 4, "Poor", 97},
    {5, "7c", "8d", kBoardA, 4, "Below Average", 36},
    {14, "3c", "3d", kBoardA, 3, "Below Average", 36},
    {15, "Qc", "Qd", kBoardA, 4, "Average", 75},
    {17, "5c", "5d", kBoardA, 2, "Average", 75},
    {19, "5c", "5d", kBoardA, 2, "Average", 75},
    {20, "5c", "5d", kBoardA, 2, "Average", 75},
    {29, "4c", "Jd", kBoardA, 2, "Average", 75},
    {30, "4c", "Jd", kBoardA, 2, "Good", 97},
    {39, "5c", "8d", kBoardB, 3, "Good", 97},
    {40, "5c", "8d", kBoardB, 3, "Very Good", 70},
    {49, "2c", "7d", kBoardA, 4, "Very Good", 70},
    {50, "2c", "7d", kBoardA, 4, "Great", 92},
    {59, "8c", "Qd", kBoardB, 4, "Great", 92},
    {60, "8c", "Qd", kBoardB, 4, "Excellent", 70},
    {100, "2c", "3d", {"As", "Ks", "Qs", "Js", "Ts"}, 4, "Excellent", 70},
    {1, "7c", "2d", kBoardA, 1, "Poor", 97},  // below 0, shown as 1
    {0, "Ac", "Qd", kBoardA, 4, "Poor", 97},  // 0 is not below 0 and stays
};

TEST(Advice, RatingWordsAndLeftEdgesAtTheBoundaries) {
    for (const RatingCase& c : kRatings) {
        SCOPED_TRACE("strength " + std::to_string(c.strength) + " on street " + std::to_string(c.street));
        const OddsPosition p = position(c.first, c.second, c.board, c.street, 2000);
        Deck start{};
        fillDeck(start);
        uint32_t seed = 0;
        for (uint32_t candidate = 1; candidate <= 3000 && seed == 0; ++candidate) {
            Deck deck = start;
            Random rng;
            rng.seed(candidate);
            if (advised(modelOdds(p, deck, rng).strength) == c.strength) seed = candidate;
        }
        ASSERT_NE(seed, 0u) << "no seed reaches this strength";

        Rig rig;
        rig.s().street = c.street;
        rig.hole(You, c.first, c.second);
        rig.board(c.board);
        rig.s().oddsDeck = start;
        rig.table.randomForTesting().seed(seed);
        ASSERT_TRUE(rig.table.advice());
        ASSERT_EQ(rig.s().strength, c.strength);
        EXPECT_EQ(rig.d().prob.text, c.caption);
        EXPECT_EQ(rig.d().prob.left, c.left);
    }
}

}  // namespace
}  // namespace trelvist
