#pragma once
// A change of the table's cards as the steps that paint it one after another on a lasting
// picture: the felt, wiped areas, and each card drawn with its corners trimmed. The trace
// prints them, and the engine's tests read them; the window instead draws the whole view.
#include <vector>

#include "game/table_view.h"
#include "ui/table_geometry.h"

namespace trelvist::tools {

struct PaintStep {
    enum class Kind { Felt, Erase, Draw, Trim };
    Kind kind;
    ui::Rect area{};     // Erase
    int picture = -1;    // Draw
    ui::Point at{};      // Draw, Trim: the card's top-left corner
    bool keepTopLeft = false;  // Trim: that corner lies over the seat's first card
};

std::vector<PaintStep> paintSteps(const TableView& view, const TableChange& change);

}  // namespace trelvist::tools
