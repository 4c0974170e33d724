#pragma once
// Reads the history files back: the text the game writes (and the layouts of its earlier
// versions) turned into hands as the table told them.
#include <string_view>
#include <vector>

#include "history/hand_record.h"

namespace trelvist::history {

// Every hand of a history file's text, in the order written. Hands cut short keep their state
// (in progress); lines the reader does not know are passed over.
std::vector<HandRecord> readHands(std::string_view text);

}  // namespace trelvist::history
