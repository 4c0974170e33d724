// The cards as the table shows them, and the view the window draws.
#include "game/bets.h"
#include "game/seats.h"
#include "game/table.h"

namespace trelvist {

TableView Table::view() const {
    TableView view = view_;
    view.deal = {"Deal", s_.canDeal};
    view.checkOrCall = {s_.callOffered ? "Call" : "Check", s_.canAct};
    view.raise = {"Raise", s_.canRaise};
    view.fold = {"Fold", s_.canAct};
    return view;
}

void Table::tell(TableChange change) { observers_.tableChanged(view(), change); }

void Table::redraw() {
    for (int seat : kSeatOrder) view_.seats[seat].cards = {};
    view_.board = {};
    tell({TableChange::Kind::Uncovered});
    layCards();
}

// Lays the cards of every seat still in, and the board as far as the street shows it. Cards
// of a seat out of the hand lie where they were until the seat's area is wiped.
void Table::layCards() {
    s_.uncontested = s_.folded[You] && s_.seatsOut == 6;
    if (s_.street != 1) s_.raiseAmount = s_.street > 2 ? s_.bigBet : s_.smallBet;
    TableChange change{TableChange::Kind::Laid};
    const bool faceUp = s_.street == 5 && !s_.uncontested;
    for (int seat : kSeatOrder) {
        if (!s_.live(seat)) continue;
        change.seats[seat] = true;
        for (int c = 0; c < 2; ++c)
            view_.seats[seat].cards[c] = seat == You || faceUp
                                             ? ShownCard{CardFace::Up, picture(s_.hole(seat)[c])}
                                             : ShownCard{CardFace::Down, s_.cardBack};
    }
    // A single opponent left after the human's fold takes the pot unseen: no board is laid.
    change.boardCards = s_.uncontested && s_.street >= 4 ? 0 : s_.boardShown();
    for (int i = 0; i < change.boardCards; ++i) view_.board[i] = {CardFace::Up, picture(s_.board()[i])};
    tell(change);
}

void Table::clearSeatCards(int seat) {
    view_.seats[seat].cards = {};
    tell({TableChange::Kind::SeatCleared, seat});
}

void Table::clearBoard() {
    view_.board = {};
    tell({TableChange::Kind::BoardCleared});
}

}  // namespace trelvist
