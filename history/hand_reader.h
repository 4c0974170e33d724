#pragma once
// Reads the game's history files back: the text the hand writer produced, in the current layout
// and in the older one whose headers begin "Trelvist Hand #", turned into hand records again.
#include <string_view>
#include <vector>

#include "history/hand_record.h"

namespace trelvist::history {

// Every hand in `text`, in file order. Lines the layout does not have are passed over, so a
// hand cut off at the end of a file comes back as far as it was written, not settled.
//
// What the text does not tell is filled in as the game sets it: the blinds are half the small
// bet and the small bet, a blind nobody paid belongs to the seat after the button (small) or
// after the small blind (big), board cards never turned up stay unknown, and a seat in debt
// starts with the nothing it shows.
std::vector<HandRecord> readHands(std::string_view text);

}  // namespace trelvist::history
