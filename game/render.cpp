// What is painted on the felt: every visible card, from the state alone.
#include "game/bets.h"
#include "game/seats.h"
#include "game/table.h"

namespace trelvist {

void Table::redraw() {
    host_.paintBackground();
    drawTable();
}

void Table::drawSeatCard(int seat, int c) {
    const CardPlace& place = kHolePlace[seat];
    const int x = place.x + c * place.dx;
    const int y = place.y + c * place.dy;
    const bool faceUp = seat == You || (s_.street == 5 && !s_.uncontested);
    host_.drawCard(faceUp ? picture(s_.hole(seat)[c]) : s_.cardBack, x, y);
    // The second card's top-left corner lies over the first card.
    host_.trimCorners(x, y, c == 1);
}

void Table::drawBoardCard(int i) {
    host_.drawCard(picture(s_.board()[i]), kBoardPlace[i].x, kBoardPlace[i].y);
    host_.trimCorners(kBoardPlace[i].x, kBoardPlace[i].y, false);
}

void Table::drawTable() {
    s_.uncontested = s_.folded[You] && s_.seatsOut == 6;
    if (s_.street != 1) {
        s_.raiseAmount = s_.street > 2 ? s_.bigBet : s_.smallBet;
        if (isPanelBet(s_.raiseAmount)) display_.btnbet.caption = "Raise";
    }
    for (int c = 0; c < 2; ++c)
        for (int seat : kSeatOrder)
            if (s_.live(seat)) drawSeatCard(seat, c);

    // A single opponent left after the human's fold takes the pot unseen: no board at all.
    const int drawn = s_.uncontested && s_.street >= 4 ? 0 : s_.boardShown();
    for (int i = 0; i < drawn; ++i) drawBoardCard(i);
}

}  // namespace trelvist
