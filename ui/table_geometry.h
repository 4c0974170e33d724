#pragma once
// Where the cards lie on the table, in the table's own pixels (1011 x 659 at 100 %). Plain
// C++ without Qt, so that the script tool prints the same places the window draws at.
#include <array>

#include "game/cards.h"

namespace trelvist::ui {

// Left, top, right, bottom; right and bottom exclusive.
struct Rect {
    int left, top, right, bottom;
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Point {
    int x, y;
    friend bool operator==(const Point&, const Point&) = default;
};

// Top-left corner of each seat's first hole card; the second is offset by the step.
struct CardPlace {
    int x, y, dx, dy;
};
constexpr std::array<CardPlace, kSeatSlots> kHolePlace{{
    {0, 0, 0, 0},
    {797, 335, 30, 13},  // Robot
    {797, 100, 30, 13},  // Expert
    {627, 100, 30, 13},  // Pinhead
    {457, 100, 30, 13},  // Champ
    {287, 100, 30, 13},  // Master
    {117, 100, 30, 13},  // Geek
    {117, 335, 30, 13},  // Freak
    {450, 448, 40, 13},  // You
}};

constexpr Point holeCardPlace(int seat, int card) {
    const CardPlace& p = kHolePlace[seat];
    return {p.x + card * p.dx, p.y + card * p.dy};
}

// The area a seat's fold wipes back to the felt.
constexpr std::array<Rect, kSeatSlots> kCardArea{{
    {0, 0, 0, 0},
    {780, 335, 900, 445},  // Robot
    {780, 100, 900, 220},  // Expert
    {620, 100, 730, 220},  // Pinhead
    {450, 100, 560, 220},  // Champ
    {280, 100, 390, 220},  // Master
    {110, 100, 220, 220},  // Geek
    {110, 335, 220, 445},  // Freak
    {450, 448, 561, 557},  // You
}};

// The board: flop, flop, flop, turn, river, a shallow wave, and the area a deal wipes.
constexpr std::array<Point, 5> kBoardPlace{{{320, 243}, {395, 253}, {470, 263}, {545, 253}, {620, 243}}};
constexpr Rect kBoardArea{320, 243, 700, 360};

}  // namespace trelvist::ui
