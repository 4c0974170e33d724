#include "ui/visible_cards.h"

#include "assets/pictures.h"
#include "game/seats.h"

namespace trelvist::ui {

namespace {

QPoint holeAt(int seat, int card) {
    const CardPlace& place = kHolePlace[seat];
    return {place.x + card * place.dx, place.y + card * place.dy};
}

QPoint boardAt(int index) { return {kBoardPlace[index].x, kBoardPlace[index].y}; }

bool coversMiddle(const QRect& area, QPoint cardAt) {
    return area.contains(cardAt + QPoint(assets::kCardWidth / 2, assets::kCardHeight / 2));
}

}  // namespace

void VisibleCards::laid(int picture, QPoint at) {
    for (int seat : kSeatOrder)
        for (int card = 0; card < 2; ++card)
            if (holeAt(seat, card) == at) hole_[seat][card] = picture;
    for (int i = 0; i < kBoardCards; ++i)
        if (boardAt(i) == at) board_[i] = picture;
}

void VisibleCards::wiped(const QRect& area) {
    for (int seat : kSeatOrder)
        for (int card = 0; card < 2; ++card)
            if (coversMiddle(area, holeAt(seat, card))) hole_[seat][card] = kNone;
    for (int i = 0; i < kBoardCards; ++i)
        if (coversMiddle(area, boardAt(i))) board_[i] = kNone;
}

void VisibleCards::clear() {
    for (auto& cards : hole_) cards.fill(kNone);
    board_.fill(kNone);
}

}  // namespace trelvist::ui
