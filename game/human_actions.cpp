// The human's Raise, Check/Call and Fold: each runs everything until the human acts again.
#include "game/saturate.h"
#include "game/seats.h"
#include "game/table.h"

namespace trelvist {

bool Table::raise() {
    if (!s_.canRaise) return false;
    beginAction();
    chipSound();
    whitenStatuses();
    if (s_.seatsOut > 6) {
        declareAllOutWin();
    } else {
        s_.potSettled = false;
        if (s_.cash[You] > 1) raiseTheBet();  // with one chip or less the press pays nothing
    }
    updateRaiseButton();
    commitWrites();
    return true;
}

void Table::raiseTheBet() {
    s_.callOffered = false;
    const bool preflop = s_.street == 1;
    const int32_t bet = s_.street <= 2 ? s_.smallBet : s_.bigBet;
    pay(You, bet);
    s_.toCall = bet;
    if (preflop) {
        // Pre-flop the human's raise costs two small bets, and the answers cost a big bet.
        pay(You, s_.smallBet);
        s_.toCall = s_.bigBet;
    }
    act(You, Move::Raise, preflop ? bet + s_.smallBet : bet);
    setStatus(You, "");
    // Pre-flop only the seats up to the holder of the flag answer.
    const int raiser = preflop ? lastRaiser() : 0;
    for (int seat = Freak; raiser != 0 && seat >= raiser; --seat)
        if (s_.live(seat)) opponentAnswer(seat);
    for (int seat : kOpponents)
        if (s_.live(seat)) setStatus(seat, "");
    s_.raised = {};
    if (s_.street >= 2 && s_.street <= 4) {
        for (int seat : kOpponents)
            if (s_.live(seat)) opponentAnswer(seat);
    }
    showCash(You);
    showPot();
    if (s_.openerSeat == You) closeStreet();
    if (s_.street == 5) {
        showdown();
    } else if (s_.seatsOut != 7) {
        s_.toCall = 0;
        stoppingChain(Freak, true);
    }
}

bool Table::checkOrCall() {
    if (!s_.canAct) return false;
    beginAction();
    s_.potSettled = false;
    setStatus(You, "");
    s_.callOffered = false;
    whitenStatuses();
    if (s_.street == 1) s_.toCall = s_.smallBet;
    if (const int raiser = lastRaiser()) {
        settleRaise(raiser);
    } else {
        act(You, Move::Check, 0);
        for (int seat : kOpponents) setStatus(seat, "");
        s_.toCall = 0;
        stoppingChain(Freak, true);  // a check costs the human nothing
    }
    s_.raiseAmount = 0;
    if (s_.openerSeat == You) closeStreet();
    if (s_.street == 5) showdown();
    // The pre-flop round always ends with the human's check or call; a raise made in the
    // chain is settled by the next press on the flop.
    if (s_.street == 1) closeStreet();
    if (s_.seatsOut > 6) declareAllOutWin();
    updateRaiseButton();
    commitWrites();
    return true;
}

void Table::settleRaise(int raiser) {
    s_.raised[raiser] = false;
    pay(You, s_.toCall);
    act(You, Move::Call, s_.toCall);
    showCash(You);
    if (s_.street == 1) {
        // Pre-flop the raiser itself answers too.
        for (int seat = Freak; seat >= raiser; --seat)
            if (s_.live(seat)) opponentAnswer(seat);
    } else {
        for (int seat : laterStreetAnswerers(raiser))
            if (s_.live(seat)) opponentAnswer(seat);
    }
    showPot();
    if (!s_.allOutDeclared) s_.canRaise = true;
    s_.toCall = 0;
    if (s_.street >= 2 && s_.street <= 4) {
        for (int seat : kOpponents)
            if (s_.live(seat)) setStatus(seat, "");
    }
    if (raiser != Robot) skippingChain(raiser - 1);
}

bool Table::fold() {
    if (!s_.canAct) return false;
    beginAction();
    if (s_.soundOn) host_.playSound("chip4.wav");
    act(You, Move::Fold, 0);
    if (const int raiser = lastRaiser()) {
        s_.raised[raiser] = false;
        for (int seat : laterStreetAnswerers(raiser))
            if (s_.live(seat)) opponentAnswer(seat);
    }
    s_.potSettled = false;
    clearSeatCards(You);
    whitenStatuses();
    setStatus(You, "Folds");
    s_.callOffered = false;
    s_.street = 5;
    s_.canDeal = true;
    enableActions(false);
    s_.folded[You] = true;
    layCards();
    showdown();
    commitWrites();
    return true;
}

}  // namespace trelvist
