// What the table's view shows of the cards at the end of a hand, and the paint steps a change of
// the cards turns into, at the places of the table's geometry.
#include <gtest/gtest.h>

#include "tests/game/table_rig.h"
#include "tools/paint_steps.h"

namespace trelvist::testing {
namespace {

constexpr ShownCard kNone{};

ShownCard faceOf(Card card) { return {CardFace::Up, picture(card)}; }

// Every seat in the hand face up, every other seat with nothing, and the whole board face up.
void expectShowdownView(const Rig& rig, const TableState& s) {
    const TableView v = rig.view();
    for (int seat : kSeatOrder) {
        SCOPED_TRACE("seat " + std::to_string(seat));
        const bool in = !s.folded[seat];
        EXPECT_EQ(v.seats[seat].cards[0], in ? faceOf(s.hole(seat)[0]) : kNone);
        EXPECT_EQ(v.seats[seat].cards[1], in ? faceOf(s.hole(seat)[1]) : kNone);
    }
    for (int i = 0; i < 5; ++i) EXPECT_EQ(v.board[i], faceOf(s.board()[i])) << "board card " << i;
}

TEST(TableView, AtTheShowdownEverySeatStillInIsFaceUp) {
    {
        SCOPED_TRACE("the human raises on the river; Champ cannot pay the answer and folds");
        Rig rig;
        rig.midHand(4, You, 20);
        rig.state().cash[Champ] = 3;
        ASSERT_TRUE(rig.table.raise());
        ASSERT_EQ(rig.state().street, 5);
        ASSERT_TRUE(rig.state().folded[Champ]);
        expectShowdownView(rig, rig.state());
    }
    {
        SCOPED_TRACE("the human folds on the turn: the others show down with the river turned up");
        Rig rig;
        rig.midHand(3, Robot, 20);
        ASSERT_TRUE(rig.table.fold());
        ASSERT_EQ(rig.state().street, 5);
        ASSERT_TRUE(rig.state().folded[You]);
        expectShowdownView(rig, rig.state());
    }
}

// On the flop the human raises; Freak to Expert cannot pay the answer and fold, Robot calls. The
// turn is laid, Robot checks, and the human folds: Robot takes the pot unseen.
TEST(TableView, AnUncontestedPotKeepsTheLastSeatFaceDownAndTheBoardAsLaid) {
    Rig rig;
    rig.midHand(2, You, 20);
    for (int seat : {Freak, Geek, Master, Champ, Pinhead, Expert}) rig.state().cash[seat] = 3;
    ASSERT_TRUE(rig.table.raise());
    ASSERT_EQ(rig.state().street, 3);
    ASSERT_EQ(rig.state().seatsOut, 6);
    ASSERT_TRUE(rig.table.fold());
    ASSERT_TRUE(rig.state().uncontested);

    const TableState& s = rig.state();
    const TableView v = rig.view();
    const ShownCard back{CardFace::Down, s.cardBack};
    EXPECT_EQ(v.seats[Robot].cards, (std::array<ShownCard, 2>{back, back}));
    for (int seat : {You, Freak, Geek, Master, Champ, Pinhead, Expert})
        EXPECT_EQ(v.seats[seat].cards, (std::array<ShownCard, 2>{kNone, kNone})) << "seat " << seat;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(v.board[i], faceOf(s.board()[i])) << "board card " << i;
    EXPECT_EQ(v.board[4], kNone) << "the river is never laid";
}

// ---------------------------------------------------------------------------------------------
// Paint steps, on a view made up here: the places are worked out from the geometry's corners
// and steps, not taken from the code under test.

std::string line(const tools::PaintStep& step) {
    const auto n = [](int v) { return std::to_string(v); };
    switch (step.kind) {
        case tools::PaintStep::Kind::Felt: return "felt";
        case tools::PaintStep::Kind::Erase:
            return "erase " + n(step.area.left) + " " + n(step.area.top) + " " + n(step.area.right) + " " +
                   n(step.area.bottom);
        case tools::PaintStep::Kind::Draw: return "draw " + n(step.picture) + " at " + n(step.at.x) + " " + n(step.at.y);
        case tools::PaintStep::Kind::Trim: return "trim " + n(step.at.x) + " " + n(step.at.y) + (step.keepTopLeft ? " keep" : "");
    }
    return "?";
}

std::vector<std::string> stepLines(const TableView& view, const TableChange& change) {
    std::vector<std::string> out;
    for (const tools::PaintStep& step : tools::paintSteps(view, change)) out.push_back(line(step));
    return out;
}

std::string at(int x, int y) { return std::to_string(x) + " " + std::to_string(y); }

TEST(PaintSteps, LaidClearedAndUncoveredAsTheTraceListsThem) {
    // Cards in the view for more seats and board places than the change lays.
    TableView view;
    view.seats[You].cards = {ShownCard{CardFace::Up, 12}, ShownCard{CardFace::Up, 25}};
    view.seats[Champ].cards = {ShownCard{CardFace::Down, 57}, ShownCard{CardFace::Down, 57}};
    view.seats[Freak].cards = {ShownCard{CardFace::Down, 57}, ShownCard{CardFace::Down, 57}};
    for (int i = 0; i < 5; ++i) view.board[i] = {CardFace::Up, 40 + i};

    TableChange laid{TableChange::Kind::Laid};
    laid.seats[Champ] = true;
    laid.seats[You] = true;
    laid.boardCards = 3;

    const ui::CardPlace you = ui::kHolePlace[You], champ = ui::kHolePlace[Champ];
    std::vector<std::string> expected{
        // The first cards in the order of play, then the second ones over them.
        "draw 12 at " + at(you.x, you.y), "trim " + at(you.x, you.y),
        "draw 57 at " + at(champ.x, champ.y), "trim " + at(champ.x, champ.y),
        "draw 25 at " + at(you.x + you.dx, you.y + you.dy), "trim " + at(you.x + you.dx, you.y + you.dy) + " keep",
        "draw 57 at " + at(champ.x + champ.dx, champ.y + champ.dy),
        "trim " + at(champ.x + champ.dx, champ.y + champ.dy) + " keep",
    };
    for (int i = 0; i < 3; ++i) {
        const ui::Point p = ui::kBoardPlace[i];
        expected.push_back("draw " + std::to_string(40 + i) + " at " + at(p.x, p.y));
        expected.push_back("trim " + at(p.x, p.y));
    }
    EXPECT_EQ(stepLines(view, laid), expected);
    // The human's second card sits one step right and down of the first.
    EXPECT_EQ(expected[4], "draw 25 at 490 461");

    const ui::Rect area = ui::kCardArea[Champ];
    const std::string champArea = "erase " + std::to_string(area.left) + " " + std::to_string(area.top) + " " +
                                  std::to_string(area.right) + " " + std::to_string(area.bottom);
    EXPECT_EQ(stepLines(view, {TableChange::Kind::SeatCleared, Champ}), std::vector<std::string>{champArea});
    EXPECT_EQ(stepLines(view, {TableChange::Kind::BoardCleared}), std::vector<std::string>{kBoardErase});
    EXPECT_EQ(stepLines(view, {TableChange::Kind::Uncovered}), std::vector<std::string>{"felt"});
}

}  // namespace
}  // namespace trelvist::testing
