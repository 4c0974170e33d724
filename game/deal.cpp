// The deal: the end of the last hand's bookkeeping, the game-over tests, the shuffle.
#include <algorithm>

#include "game/bets.h"
#include "game/saturate.h"
#include "game/seats.h"
#include "game/stir.h"
#include "game/table.h"

namespace trelvist {

namespace {

// Deck positions dealt to each seat's two hole-card records, Freak's pair first.
constexpr std::array<int, 8> kDealOrder{Freak, You, Geek, Master, Champ, Pinhead, Expert, Robot};
constexpr int kFirstBoardPosition = 20;

}  // namespace

void Table::shuffleAndDeal() {
    // The odds deck is stirred first; neither deck is ever put back in order.
    stirDeck(s_.oddsDeck, 5001, rng_);
    stirDeck(s_.deck, 20001, rng_);
    int position = 0;
    for (int seat : kDealOrder) {
        s_.hole(seat)[0] = s_.deck[position++];
        s_.hole(seat)[1] = s_.deck[position++];
    }
    for (int i = 0; i < 5; ++i) s_.board()[i] = s_.deck[kFirstBoardPosition + i];
}

// What every deal does between resetting the hand and posting its blinds: the blind amounts,
// the seats out for lack of chips, the pot, the cards and the raise size.
void Table::prepareHand(std::span<const int> brokeSeatsCounted) {
    s_.smallBlind = s_.smallBet / 2;
    s_.bigBlind = s_.smallBet;
    s_.toCall = s_.smallBet;
    for (int seat : brokeSeatsCounted)
        if (s_.cash[seat] <= 0) ++s_.seatsOut;
    s_.pot = saturate(int64_t{s_.smallBlind} + s_.bigBlind);
    showPot();
    showAllCash();

    shuffleAndDeal();
    layCards();
    actions_.clear();
    HandStart start{s_.smallBet, s_.bigBet, s_.smallBlind, s_.bigBlind, s_.aiLevel, s_.cash, {}, {}};
    std::copy(s_.hole(You).begin(), s_.hole(You).end(), start.yourCards.begin());
    std::copy(s_.board().begin(), s_.board().end(), start.board.begin());
    observers_.handStarted(start);

    s_.raiseAmount = s_.bigBlind;
    // The captions follow only the bets the options panel can set.
    if (isSmallPanelBet(s_.raiseAmount)) s_.callOffered = true;
    s_.canRaise = true;
}

// The pot already holds the blind; a seat without chips pays nothing for it.
void Table::postBlind(int seat, bool big) {
    const int32_t amount = big ? s_.bigBlind : s_.smallBlind;
    const int32_t paid = s_.cash[seat] > 0 ? amount : 0;
    addTo(s_.cash[seat], -int64_t{paid});
    actions_.push_back({seat, s_.street, big ? Move::Raise : Move::Call, paid, true});
    observers_.blindPosted(seat, big, amount, paid);
}

// The press's writes reach the file only when it ends, after the box: a kill while the box
// waits leaves the file as it was before the press.
void Table::gameOver(const std::string& text) {
    observers_.gameOver(text);
    host_.showMessage("Game over", text);
}

bool Table::deal() {
    if (!s_.canDeal) return false;
    beginAction();
    view_.result.left = 456;
    s_.potSettled = false;
    for (int seat : kSeatOrder) view_.seats[seat].status = {view_.seats[seat].status.text, LabelColor::White, false};
    clearBoard();

    // The hand just finished reaches the file here, before the game-over tests. A refused
    // write stops the deal once all of them are made and held back: nothing is lost, and Deal
    // stays enabled.
    writeStats();
    writeCash();
    if (actionRefused_) {
        commitWrites();
        return true;
    }

    setStatus(You, "");
    const bool opponentsBroke =
        std::none_of(kOpponents.begin(), kOpponents.end(), [&](int seat) { return s_.cash[seat] > 0; });
    if (s_.cash[You] <= 0 || opponentsBroke) {
        gameOver(s_.cash[You] <= 0 ? "You lose!" : "You win!");
        s_.canDeal = false;
        enableActions(false);
        commitWrites();
        return true;
    }

    s_.folded = {};
    s_.raised = {};
    s_.seatsOut = 0;
    s_.allOutDeclared = false;
    view_.result.text.clear();
    s_.canDeal = false;
    enableActions(true);
    s_.street = 1;

    // The blinds move exactly one seat per hand, broke seats included.
    s_.blindSeat = seatAfter(s_.blindSeat);
    s_.openerSeat = s_.blindSeat;
    for (int seat : kOpponents) setStatus(seat, "");
    prepareHand(kOpponents);
    openPreflop();
    commitWrites();
    return true;
}

}  // namespace trelvist
