#include "tools/paint_steps.h"

namespace trelvist::tools {

namespace {

void layCard(std::vector<PaintStep>& steps, int picture, ui::Point at, bool keepTopLeft) {
    steps.push_back({PaintStep::Kind::Draw, {}, picture, at});
    steps.push_back({PaintStep::Kind::Trim, {}, -1, at, keepTopLeft});
}

}  // namespace

std::vector<PaintStep> paintSteps(const TableView& view, const TableChange& change) {
    std::vector<PaintStep> steps;
    switch (change.kind) {
    case TableChange::Kind::Uncovered:
        steps.push_back({PaintStep::Kind::Felt});
        break;
    case TableChange::Kind::SeatCleared:
        steps.push_back({PaintStep::Kind::Erase, ui::kCardArea[change.seat]});
        break;
    case TableChange::Kind::BoardCleared:
        steps.push_back({PaintStep::Kind::Erase, ui::kBoardArea});
        break;
    case TableChange::Kind::Laid:
        // The first cards across the table, then the second ones, whose top-left corner lies
        // over the first; the board after.
        for (int c = 0; c < 2; ++c)
            for (int seat : kSeatOrder)
                if (change.seats[seat]) layCard(steps, view.seats[seat].cards[c].picture, ui::holeCardPlace(seat, c), c == 1);
        for (int i = 0; i < change.boardCards; ++i) layCard(steps, view.board[i].picture, ui::kBoardPlace[i], false);
        break;
    }
    return steps;
}

}  // namespace trelvist::tools
