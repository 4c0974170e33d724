#pragma once
// Which card pictures lie on the table: each seat's two hole cards and the five board cards,
// as the game last drew them or wiped them back to felt. What a player sees, for those who
// cannot see it.
#include <QPoint>
#include <QRect>
#include <array>

#include "game/cards.h"

namespace trelvist::ui {

class VisibleCards {
public:
    static constexpr int kNone = -1;
    static constexpr int kBoardCards = 5;

    VisibleCards() { clear(); }

    // A picture drawn with its top-left corner at `at`; places that hold no card are ignored.
    void laid(int picture, QPoint at);
    // Felt laid over `area`: the cards whose middle lies in it are gone.
    void wiped(const QRect& area);
    void clear();

    // The picture lying at a place, kNone for bare felt.
    int hole(int seat, int card) const { return hole_[seat][card]; }
    int board(int index) const { return board_[index]; }

private:
    std::array<std::array<int, 2>, kSeatSlots> hole_{};
    std::array<int, kBoardCards> board_{};
};

}  // namespace trelvist::ui
