// The history file of one hand of each ending, line by line: the layout hand-history tools
// import, with only what the table did in it.
#include <gtest/gtest.h>

#include "history/hand_history.h"
#include "history_rig.h"
#include "tests/settings/temp_folder.h"

namespace trelvist::history {
namespace {

using namespace testing;

const std::vector<std::string> kSeatLines{
    "Seat 1: You (1200 in chips)",    "Seat 2: Freak (1200 in chips)",  "Seat 3: Geek (1200 in chips)",
    "Seat 4: Master (1200 in chips)", "Seat 5: Champ (1200 in chips)",  "Seat 6: Pinhead (1200 in chips)",
    "Seat 7: Expert (1200 in chips)", "Seat 8: Robot (1200 in chips)",
};

// The first hand of a new table: Expert and Robot post the blinds, so Pinhead has the button.
std::vector<std::string> firstHandOpening() {
    std::vector<std::string> lines{
        "PokerStars Hand #1000000000000001:  Hold'em Limit (4/8) - 2026/12/08 13:45:01 UTC "
        "[2026/12/08 8:45:01 ET]",
        "Table 'Trelvist Amateur 1' 8-max (Play Money) Seat #6 is the button",
    };
    lines.insert(lines.end(), kSeatLines.begin(), kSeatLines.end());
    lines.insert(lines.end(), {"Expert: posts small blind 2", "Robot: posts big blind 4", "*** HOLE CARDS ***"});
    return lines;
}

struct Ending {
    const char* name;
    uint32_t seed;
    Control firstPress;  // then Check/Call until the hand is over
    std::vector<std::string> lines;  // after the opening
};

const Ending kEndings[] = {
    {"showdown: four share the pot, its odd chips are the rake", 111, Control::CheckOrCall,
     {
         "Dealt to You [Jc 5d]",
         "You: calls 4",
         "Freak: folds",
         "Geek: folds",
         "Master: calls 4",
         "Champ: calls 4",
         "Pinhead: folds",
         "Expert: calls 4",
         "Robot: folds",
         "*** FLOP *** [7c 3h 6c]",
         "You: checks",
         "Master: checks",
         "Champ: checks",
         "Expert: checks",
         "*** TURN *** [7c 3h 6c] [4d]",
         "You: checks",
         "Master: checks",
         "Champ: checks",
         "Expert: checks",
         "*** RIVER *** [7c 3h 6c 4d] [5c]",
         "You: checks",
         "Master: checks",
         "Champ: bets 8",
         "Expert: calls 8",
         "*** SHOW DOWN ***",
         "You: shows [Jc 5d] (Straight Seven High)",
         "Master: shows [Qs 9s] (Straight Seven High)",
         "Champ: shows [Ts Js] (Straight Seven High)",
         "Expert: shows [Kd Qh] (Straight Seven High)",
         "You collected 9 from pot",
         "Master collected 9 from pot",
         "Champ collected 9 from pot",
         "Expert collected 9 from pot",
         "*** SUMMARY ***",
         "Total pot 38 | Rake 2",
         "Board [7c 3h 6c 4d 5c]",
         "Seat 1: You showed [Jc 5d] and won (9) with Straight Seven High",
         "Seat 2: Freak folded before Flop (didn't bet)",
         "Seat 3: Geek folded before Flop (didn't bet)",
         "Seat 4: Master showed [Qs 9s] and won (9) with Straight Seven High",
         "Seat 5: Champ showed [Ts Js] and won (9) with Straight Seven High",
         "Seat 6: Pinhead (button) folded before Flop (didn't bet)",
         "Seat 7: Expert (small blind) showed [Kd Qh] and won (9) with Straight Seven High",
         "Seat 8: Robot (big blind) folded before Flop",
     }},
    {"all-out win after the human's raise", 15, Control::Raise,
     {
         "Dealt to You [5c 7d]",
         "You: raises 4 to 8",
         "Freak: folds",
         "Geek: folds",
         "Master: folds",
         "Champ: folds",
         "Pinhead: folds",
         "Expert: folds",
         "Robot: folds",
         "You collected 14 from pot",
         "*** SUMMARY ***",
         "Total pot 14 | Rake 0",
         "Seat 1: You collected (14)",
         "Seat 2: Freak folded before Flop (didn't bet)",
         "Seat 3: Geek folded before Flop (didn't bet)",
         "Seat 4: Master folded before Flop (didn't bet)",
         "Seat 5: Champ folded before Flop (didn't bet)",
         "Seat 6: Pinhead (button) folded before Flop (didn't bet)",
         "Seat 7: Expert (small blind) folded before Flop",
         "Seat 8: Robot (big blind) folded before Flop",
     }},
    // The opponents answer the big blind after the fold, and their showdown turns up the
    // whole board.
    {"the human's fold", 1, Control::Fold,
     {
         "Dealt to You [3d Jd]",
         "You: folds",
         "Freak: calls 4",
         "Geek: folds",
         "Champ: calls 4",
         "Master: folds",
         "Pinhead: folds",
         "Expert: folds",
         "*** FLOP *** [Td 6d 6s]",
         "*** TURN *** [Td 6d 6s] [Ks]",
         "*** RIVER *** [Td 6d 6s Ks] [6c]",
         "*** SHOW DOWN ***",
         "Freak: shows [Kh Ad] (Full house Sixes)",
         "Champ: shows [Jc Kc] (Full house Sixes)",
         "Robot: shows [Js 9c] (Three Sixes)",
         "Freak collected 7 from pot",
         "Champ collected 7 from pot",
         "*** SUMMARY ***",
         "Total pot 14 | Rake 0",
         "Board [Td 6d 6s Ks 6c]",
         "Seat 1: You folded before Flop (didn't bet)",
         "Seat 2: Freak showed [Kh Ad] and won (7) with Full house Sixes",
         "Seat 3: Geek folded before Flop (didn't bet)",
         "Seat 4: Master folded before Flop (didn't bet)",
         "Seat 5: Champ showed [Jc Kc] and won (7) with Full house Sixes",
         "Seat 6: Pinhead (button) folded before Flop (didn't bet)",
         "Seat 7: Expert (small blind) folded before Flop",
         "Seat 8: Robot (big blind) showed [Js 9c] and lost with Three Sixes",
     }},
    // Robot's fold made the human the opener, so the river closes right after the opponents'
    // turns: Champ's bet stands, unanswered and not given back.
    {"a bet left standing at the river", 3, Control::CheckOrCall,
     {
         "Dealt to You [6s 7d]",
         "You: calls 4",
         "Freak: folds",
         "Geek: calls 4",
         "Master: calls 4",
         "Champ: calls 4",
         "Pinhead: folds",
         "Expert: folds",
         "Robot: folds",
         "*** FLOP *** [2c 6d 2h]",
         "You: checks",
         "Geek: checks",
         "Master: checks",
         "Champ: checks",
         "*** TURN *** [2c 6d 2h] [Th]",
         "You: checks",
         "Geek: checks",
         "Master: checks",
         "Champ: checks",
         "*** RIVER *** [2c 6d 2h Th] [Td]",
         "You: checks",
         "Geek: checks",
         "Master: checks",
         "Champ: bets 8",
         "*** SHOW DOWN ***",
         "You: shows [6s 7d] (Two pairs Tens)",
         "Geek: shows [Qh Jh] (Two pairs Tens)",
         "Master: shows [4h 4c] (Two pairs Tens)",
         "Champ: shows [7c Tc] (Full house Tens)",
         "Champ collected 30 from pot",
         "*** SUMMARY ***",
         "Total pot 30 | Rake 0",
         "Board [2c 6d 2h Th Td]",
         "Seat 1: You showed [6s 7d] and lost with Two pairs Tens",
         "Seat 2: Freak folded before Flop (didn't bet)",
         "Seat 3: Geek showed [Qh Jh] and lost with Two pairs Tens",
         "Seat 4: Master showed [4h 4c] and lost with Two pairs Tens",
         "Seat 5: Champ showed [7c Tc] and won (30) with Full house Tens",
         "Seat 6: Pinhead (button) folded before Flop (didn't bet)",
         "Seat 7: Expert (small blind) folded before Flop",
         "Seat 8: Robot (big blind) folded before Flop",
     }},
};

TEST(HandLayout, EachEndingIsWrittenLineByLine) {
    useUtc();
    for (const Ending& ending : kEndings) {
        SCOPED_TRACE(ending.name);
        trelvist::testing::TempFolder folder;
        HandHistory history(folder.path().string(), [] { return kDealtAt; },
                            [](const std::string& text) { ADD_FAILURE() << text; });
        SeededTable t(ending.seed);
        t.table.addObserver(history.log());
        t.table.startUp();
        t.table.press({ending.firstPress});
        t.callDown();

        std::vector<std::string> expected = firstHandOpening();
        expected.insert(expected.end(), ending.lines.begin(), ending.lines.end());
        // Two empty lines set the hand apart from the next one.
        expected.insert(expected.end(), {"", ""});
        const std::vector<std::string> written =
            linesOf(trelvist::testing::readBytes(folder.file("trelvist-2026-12-08.txt")));
        for (size_t i = 0; i < std::max(written.size(), expected.size()); ++i) {
            EXPECT_EQ(i < written.size() ? written[i] : "(no line)", i < expected.size() ? expected[i] : "(no line)")
                << "line " << i + 1;
        }
    }
}

}  // namespace
}  // namespace trelvist::history
