#pragma once
// The table for those who cannot see it. The canvas is an accessible picture named "Table"
// whose description says what lies on the felt and what the labels around it show, and it
// can be reached with Tab after the buttons.
#include <QString>

#include "game/table_view.h"

namespace trelvist::ui {

class TableCanvas;

// "Ace of spades" for a face; a back reads "face down".
QString cardName(int picture);

// One line each: the human's cards ("Your cards: Ace of spades, King of hearts"), the board,
// every seat in the order of play with its cash, status and cards, the pot and the result.
QString describeTable(const TableView& view);

void makeAccessible(TableCanvas& canvas);
// Gives the canvas the description of the table as it stands; screen readers hear of changes.
void describe(TableCanvas& canvas, const TableView& view);

}  // namespace trelvist::ui
