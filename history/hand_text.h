#pragma once
// A hand written out in the text layout that poker rooms give their players and that
// hand-history tools import: header, seats, blinds, hole cards, each street with its actions,
// the showdown and a summary.
#include <string>

#include "game/cards.h"
#include "history/hand_record.h"

namespace trelvist::history {

// "Ah", "Td", "2c"
std::string cardText(Card card);

// The hand so far; a finished hand ends with its summary. Every line ends with a newline.
std::string handText(const HandRecord& hand);

// One line for a list of hands: its number, the time it was dealt and how it ended.
std::string handTitle(const HandRecord& hand);

}  // namespace trelvist::history
