#pragma once
// What the odds meter asks about the table as it stands.
#include <optional>

#include "game/equity.h"
#include "game/table.h"

namespace trelvist {

// The human's two cards and the board the table shows, against the opponents still in the
// hand. None when there is nothing to ask: the human is out of the hand (folded, or without
// cash, and so out of the showdown), or the hand is over.
std::optional<EquityQuestion> humanOddsQuestion(const TableState& state);

}  // namespace trelvist
