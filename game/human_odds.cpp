#include "game/human_odds.h"

#include <algorithm>

namespace trelvist {

std::optional<EquityQuestion> humanOddsQuestion(const TableState& state) {
    const auto opponents = static_cast<int>(
        std::count_if(kOpponents.begin(), kOpponents.end(), [&state](int seat) { return state.live(seat); }));
    // With every opponent out the hand was won outright, whatever the street says.
    if (state.street == 5 || !state.live(You) || opponents == 0) return std::nullopt;
    EquityQuestion question;
    std::copy_n(state.hole(You).begin(), 2, question.hole.begin());
    question.boardShown = state.boardShown();
    std::copy_n(state.board().begin(), question.boardShown, question.board.begin());
    question.opponents = opponents;
    return question;
}

}  // namespace trelvist
