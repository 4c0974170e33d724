// The odds routine and the advice: the hole-card adjustment, the strong-start bonus, the flop
// test, whole runs of simulated deals at every level and street, and the advice's rating words.
#include <gtest/gtest.h>

#include <tuple>

#include "tests/game/table_rig.h"

namespace trelvist {
namespace {

using testing::card;
using testing::Rig;

const std::array<const char*, 5> kKingBoard{"Ks", "9h", "2d", "7c", "3s"};

// The hole cards under decision and the level they are estimated at.
struct Subject {
    std::array<Card, 2> hole;
    int32_t level;
};

// Puts the board, the street and the strength before the run on the table; the subject is
// what the run is asked about.
Subject place(Rig& rig, const char* first, const char* second, const std::array<const char*, 5>& board,
              int32_t street, int32_t level, int32_t previous = 0) {
    rig.board(board);
    rig.state().street = street;
    rig.setStrength(previous);
    return {{card(first), card(second)}, level};
}

OddsEstimate estimate(Rig& rig, const Subject& subject) {
    return rig.table.oddsForTesting().estimate(subject.hole, subject.level);
}

// Where the recorded runs below start: the odds deck in picture order and the generator seeded.
void freshDraws(Rig& rig, uint32_t seed) {
    fillDeck(rig.state().oddsDeck);
    rig.table.randomForTesting().seed(seed);
    rig.forget();
}

// ---------------------------------------------------------------------------------------------
// With level -1 no deal is simulated: the strength is the previous one plus the adjustment.

TEST(OddsRoutine, HoleCardTableLines) {
    const std::tuple<const char*, const char*, int32_t> cases[] = {
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
    for (const auto& [first, second, adjustment] : cases) {
        SCOPED_TRACE(std::string(first) + " " + second);
        Rig rig;
        const Subject subject = place(rig, first, second, {"2s", "3h", "9c", "Kd", "5s"}, 1, -1, 50);
        rig.forget();
        const OddsEstimate found = estimate(rig, subject);
        EXPECT_EQ(rig.strength(), 50 + adjustment);
        EXPECT_EQ(rig.draws(), 0u);
        EXPECT_FALSE(found.noRaise);
    }
}

// Hole cards on a board, and what is expected of them.
template <class Expected>
using HandCase = std::tuple<const char*, const char*, std::array<const char*, 5>, Expected>;

TEST(OddsRoutine, StrongStartBonusLooksAtTheUnseenFlop) {
    const HandCase<int32_t> cases[] = {
        {"Tc", "Td", {"2s", "3h", "9c", "Kd", "5s"}, 20},  // a pair of Tens in the hole
        {"9c", "9d", {"2s", "3h", "5c", "Kd", "6s"}, 0},   // Nines: not above 7, not above 108
        {"Kc", "Kd", {"2s", "3h", "9c", "Kd", "5s"}, 20},  // the table would give 10
        {"Tc", "Qd", {"Qs", "3h", "2c", "Kd", "5s"}, 20},  // a pair with the flop
        {"Jc", "Qc", {"Js", "3h", "2d", "Kd", "5s"}, 20},  // replaces the table's 12
        {"8c", "Jd", {"Js", "3h", "2c", "Kd", "5s"}, 20},  // Jacks with an Eight: second line
        {"Jd", "8c", {"Js", "3h", "2c", "Kd", "5s"}, 20},  // third line
        {"9c", "Jd", {"Ts", "Th", "2c", "Kd", "5s"}, 0},   // the second and third lines need more
        {"Jd", "9c", {"Ts", "Th", "2c", "Kd", "5s"}, 0},   // than Tens, which are 108
        {"7c", "Jd", {"Js", "3h", "2c", "Kd", "5s"}, 0},   // a Nine is needed beside the Jack
    };
    for (const auto& [first, second, board, adjustment] : cases) {
        SCOPED_TRACE(std::string(first) + " " + second + " on " + board[0]);
        Rig rig;
        estimate(rig, place(rig, first, second, board, 1, -1, 50));
        EXPECT_EQ(rig.strength(), 50 + adjustment);
    }
}

TEST(OddsRoutine, FlopTestBarsWeakHandsFromRaising) {
    const HandCase<bool> cases[] = {
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
    for (const auto& [first, second, board, noRaise] : cases) {
        SCOPED_TRACE(std::string(first) + " " + second + " on " + board[0] + " " + board[1] + " " + board[2]);
        Rig rig;
        const Subject subject = place(rig, first, second, board, 2, -1, 50);
        rig.rolls({50});
        rig.forget();
        EXPECT_EQ(estimate(rig, subject).noRaise, noRaise);
        EXPECT_EQ(rig.strength(), 50);
        EXPECT_EQ(rig.draws(), 1u);
    }
}

TEST(OddsRoutine, AfterThePreflopOneRollAbove50BarsAnyHand) {
    for (const auto& [street, roll, noRaise] :
         {std::tuple{2, 51u, true}, {2, 50u, false}, {3, 51u, true}, {4, 50u, false}}) {
        SCOPED_TRACE("street " + std::to_string(street) + ", roll " + std::to_string(roll));
        Rig rig;
        const Subject subject = place(rig, "Kc", "4d", kKingBoard, street, -1, 50);
        rig.rolls({roll});
        EXPECT_EQ(estimate(rig, subject).noRaise, noRaise);
    }
    Rig turn;  // no flop test after the flop
    const Subject subject = place(turn, "Ac", "Qd", kKingBoard, 3, -1, 50);
    turn.rolls({50});
    EXPECT_FALSE(estimate(turn, subject).noRaise);
}

// ---------------------------------------------------------------------------------------------
// Whole runs. Their numbers were recorded from the engine once an independent model of the
// rules had agreed with it on every one of them; they pin its behaviour, as seeded shuffles are
// pinned in card games. A run makes 202 draws per simulated deal (level + 1 deals) and, after
// the pre-flop, one roll before them.

struct KnownRun {
    const char* first;
    const char* second;
    int32_t street, level;
    uint32_t seed;
    int32_t previous;  // the strength before the run
    int32_t strength;
    bool noRaise;
    uint64_t draws, stateAfter;
};

const KnownRun kKnownRuns[] = {
    {"Kc", "Kd", 1, 400, 11, 0, 60, false, 81002, 422237563106477014ull},  // the strong-start bonus
    {"Kc", "Kd", 1, 2000, 12, 0, 50, false, 404202, 241709796418676547ull},  // no bonus at 2000: line d
    {"7d", "2c", 1, 600, 13, 0, -6, false, 121402, 11822397282489210464ull},  // line f
    {"Qh", "Jh", 1, 800, 14, 0, 35, false, 161802, 13998001524368378493ull},  // line e, no bonus
    {"Qh", "Jh", 2, 900, 15, 0, 21, true, 182003, 17280061549038921195ull},  // no pair on the flop
    {"Kc", "4d", 2, 400, 16, 0, 36, false, 81003, 16660276938339270052ull},  // top pair passes
    {"Kc", "4d", 2, 400, 17, 0, 34, true, 81003, 3675347269573419957ull},    // the roll bars it
    {"7d", "2c", 3, 2000, 18, 0, 35, true, 404203, 6044431382298501958ull},
    {"9c", "8d", 3, 400, 24, 0, 20, false, 81003, 5014559956760227372ull},
    {"9c", "8d", 4, 600, 19, 0, 11, false, 121403, 511223861537608903ull},
    {"7d", "2c", 4, 900, 23, 0, 47, false, 182003, 6266038417549189491ull},
    {"Kc", "4d", 5, 800, 20, 0, 35, true, 161803, 12586833739653718856ull},
    {"Kc", "4d", 3, 500, 21, 77, 77, false, 101203, 11021762497204097457ull},  // no divisor: kept
    {"7d", "2c", 1, 1, 22, 77, 57, false, 404, 8969491864369434443ull},          // kept, then line f
};

TEST(OddsRoutine, KnownRunsAtEveryStreetAndLevel) {
    for (const KnownRun& k : kKnownRuns) {
        SCOPED_TRACE(std::string(k.first) + k.second + ", street " + std::to_string(k.street) + ", level " +
                     std::to_string(k.level));
        Rig rig;
        const Subject subject = place(rig, k.first, k.second, kKingBoard, k.street, k.level, k.previous);
        freshDraws(rig, k.seed);
        const OddsEstimate found = estimate(rig, subject);
        EXPECT_EQ(found.strength, k.strength);
        EXPECT_EQ(rig.strength(), k.strength);
        EXPECT_EQ(found.noRaise, k.noRaise);
        EXPECT_EQ(rig.draws(), k.draws);
        EXPECT_EQ(rig.table.random().state(), k.stateAfter);
        EXPECT_TRUE(testing::isPermutation(rig.state().oddsDeck));
    }
}

TEST(OddsRoutine, TheOddsDeckKeepsTheCardsOfTheHand) {
    // A royal flush on the board: every simulated hand ties it, so every deal is won, whatever
    // cards the simulated opponents hold (some of them the subject's own).
    Rig rig;
    estimate(rig, place(rig, "2c", "3d", {"As", "Ks", "Qs", "Js", "Ts"}, 4, 400));
    EXPECT_EQ(rig.strength(), 100);
}

// ---------------------------------------------------------------------------------------------
// The advice, from recorded runs as above.

TEST(Advice, RunsTwoThousandAndOneDealsForTheHumanWithoutTheBonus) {
    // Kings on a board with a King: the bonus would add 20 pre-flop, the table adds 10.
    for (const auto& [street, seed, strength] : {std::tuple{1, 31u, 48}, {2, 32u, 81}, {3, 33u, 89}, {4, 34u, 100}}) {
        SCOPED_TRACE("street " + std::to_string(street));
        Rig rig;
        rig.state().street = street;
        rig.state().aiLevel = 600;
        rig.hole(You, "Kc", "Kd");
        rig.board(kKingBoard);
        freshDraws(rig, seed);
        ASSERT_TRUE(rig.table.advice());
        EXPECT_EQ(rig.strength(), strength);
        EXPECT_EQ(rig.draws(), 2001u * 202 + (street == 1 ? 0 : 1));
        EXPECT_EQ(rig.state().aiLevel, 600);
        // The odds window opens with the rating the table answers; the table shows nothing itself.
        EXPECT_TRUE(rig.host.events.empty());
        EXPECT_NE(rig.view().oddsRating.text, "");
    }
}

TEST(Advice, AfterTheHumansFoldItStillRatesTheHoleCardsWithTheWholeBoard) {
    Rig rig;
    rig.midHand(3, Robot, 20);
    rig.hole(You, "Kc", "Jd");  // two pair with the Jack of the flop and the King of the turn
    ASSERT_TRUE(rig.table.fold());
    ASSERT_EQ(rig.state().street, 5);
    freshDraws(rig, 35);
    ASSERT_TRUE(rig.table.advice());
    EXPECT_EQ(rig.strength(), 74);
    EXPECT_EQ(rig.draws(), 2001u * 202 + 1);
}

struct RatingCase {
    int32_t strength;
    const char* first;  // the human's cards, a board and a seed that give this strength
    const char* second;
    std::array<const char*, 5> board;
    int32_t street;
    uint32_t seed;
    const char* caption;
    int left;
};

const std::array<const char*, 5> kBoardA{"2s", "7h", "Jc", "Kd", "4s"};
const std::array<const char*, 5> kBoardB{"2s", "8h", "Qc", "5d", "As"};

const RatingCase kRatings[] = {
    {17, "8c", "6d", kBoardA, 1, 1, "Below Average", 36},
    {19, "8c", "6d", kBoardA, 1, 6, "Below Average", 36},
    {20, "7c", "Ad", kBoardA, 1, 1, "Average", 75},
    {4, "7c", "8d", kBoardA, 4, 1, "Poor", 97},
    {5, "7c", "8d", kBoardA, 4, 3, "Below Average", 36},
    {14, "3c", "3d", kBoardA, 3, 4, "Below Average", 36},
    {15, "Qc", "Qd", kBoardA, 4, 2, "Average", 75},
    {17, "5c", "5d", kBoardA, 2, 15, "Average", 75},
    {19, "5c", "5d", kBoardA, 2, 3, "Average", 75},
    {20, "5c", "5d", kBoardA, 2, 19, "Average", 75},
    {29, "4c", "Jd", kBoardA, 2, 1, "Average", 75},
    {30, "4c", "Jd", kBoardA, 2, 3, "Good", 97},
    {39, "5c", "8d", kBoardB, 3, 5, "Good", 97},
    {40, "5c", "8d", kBoardB, 3, 1, "Very Good", 70},
    {49, "2c", "7d", kBoardA, 4, 2, "Very Good", 70},
    {50, "2c", "7d", kBoardA, 4, 12, "Great", 92},
    {59, "8c", "Qd", kBoardB, 4, 2, "Great", 92},
    {60, "8c", "Qd", kBoardB, 4, 12, "Excellent", 70},
    {100, "2c", "3d", {"As", "Ks", "Qs", "Js", "Ts"}, 4, 1, "Excellent", 70},
    {1, "7c", "2d", kBoardA, 1, 1, "Poor", 97},  // below 0, shown as 1
    {0, "Ac", "Qd", kBoardA, 4, 1, "Poor", 97},  // 0 is not below 0 and stays
};

TEST(Advice, RatingWordsAndLeftEdgesAtTheBoundaries) {
    for (const RatingCase& c : kRatings) {
        SCOPED_TRACE("strength " + std::to_string(c.strength) + " on street " + std::to_string(c.street));
        Rig rig;
        rig.state().street = c.street;
        rig.hole(You, c.first, c.second);
        rig.board(c.board);
        freshDraws(rig, c.seed);
        ASSERT_TRUE(rig.table.advice());
        ASSERT_EQ(rig.strength(), c.strength);
        EXPECT_EQ(rig.view().oddsRating.text, c.caption);
        EXPECT_EQ(rig.view().oddsRating.left, c.left);
    }
}

}  // namespace
}  // namespace trelvist
