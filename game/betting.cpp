// The betting round: the opening of the pre-flop, the opponents' turns and the chains of turns.
#include "game/bets.h"
#include "game/saturate.h"
#include "game/seats.h"
#include "game/table.h"

namespace trelvist {

int Table::lastRaiser() const {
    for (int seat : kOpponents)
        if (s_.raised[seat]) return seat;
    return 0;
}

// At most one opponent holds the flag: the one whose raise the human has not answered.
void Table::setRaiser(int seat) {
    s_.raised = {};
    s_.raised[seat] = true;
}

void Table::updateRaiseButton() {
    if (s_.allOutDeclared) return;
    if (!s_.callOffered && s_.street < 5 && s_.seatsOut < 7) s_.canRaise = true;
}

void Table::closeStreet() {
    ++s_.street;
    layCards();
    cardSound();
    if (s_.street >= 2 && s_.street <= 4)
        observers_.streetTurned(s_.street, std::span<const Card>(s_.board()).first(s_.boardShown()));
}

void Table::openPreflop() {
    const int big = s_.openerSeat;
    const int small = seatBefore(big);
    setStatus(seatBefore(small), "");
    setStatus(small, "Small Blind");
    setStatus(big, "Big Blind");
    postBlind(small, false);
    postBlind(big, true);
    showCash(small);
    showCash(big);
    showPot();
    answerAndAct(big);
}

// The opponents seated after the big blind, up to Robot, answer it and then take their turns.
// A big blind on Master or later in the order holds the flag the human's call settles.
void Table::answerAndAct(int big) {
    if (big != You && big != Freak && big != Geek) setRaiser(big);
    for (int seat = big - 1; seat >= Robot; --seat)
        if (s_.live(seat)) opponentAnswer(seat);
    if (big != Robot) stoppingChain(big - 1, false);
}

// Returns whether the turn reached its raise.
bool Table::opponentTurn(int seat) {
    s_.raiseAmount = 0;
    if (s_.openerSeat == seat) closeStreet();
    if (s_.street == 5) {
        showdown();
        return false;
    }
    s_.raised[seat] = false;
    if (!s_.live(seat)) return false;

    s_.toCall = 0;
    s_.raiseAmount = strategies_[seat]->raises(contextFor(seat)) ? (s_.street <= 2 ? s_.smallBet : s_.bigBet) : 0;
    if (s_.raiseAmount == 0) {
        // Pre-flop the label keeps the seat's answer to the big blind.
        if (s_.street != 1) setStatus(seat, "Check");
        pay(seat, s_.toCall);
        showCash(seat);
        showPot();
        act(seat, Move::Check, s_.toCall);
        return false;
    }

    chipSound();
    setStatus(seat, "Raises");
    setStatusColor(seat, LabelColor::Yellow);
    addTo(s_.toCall, s_.raiseAmount);
    pay(seat, s_.toCall);
    showCash(seat);
    showPot();
    act(seat, Move::Raise, s_.toCall);
    setRaiser(seat);
    for (int other = seat - 1; other >= Robot; --other)
        if (s_.live(other)) opponentAnswer(other);
    for (int other = Freak; other > seat; --other)
        if (s_.live(other)) setStatus(other, "");
    if (isPanelBet(s_.raiseAmount)) s_.callOffered = true;
    s_.canRaise = false;
    return true;
}

// Turns from firstSeat down to Robot, ending after a raise (and, during the human's
// actions, once the hand reaches its showdown).
void Table::stoppingChain(int firstSeat, bool stopAtShowdown) {
    for (int seat = firstSeat; seat >= Robot; --seat) {
        if (opponentTurn(seat)) return;
        if (stopAtShowdown && s_.street == 5) return;
    }
}

// Turns from firstSeat down to Robot; a seat right after one that raised in its turn sits
// its turn out. The chain never ends early.
void Table::skippingChain(int firstSeat) {
    bool previousRaised = false;
    for (int seat = firstSeat; seat >= Robot; --seat) {
        if (previousRaised) {
            previousRaised = false;
            continue;
        }
        previousRaised = opponentTurn(seat);
    }
}

// An opponent facing the bet stays in and pays it, or folds.
void Table::opponentAnswer(int seat) {
    const bool staysIn = strategies_[seat]->staysIn(contextFor(seat));
    // A seat that cannot pay in full folds, whatever it decided.
    if (staysIn && int64_t{s_.cash[seat]} - s_.toCall >= 0) {
        setStatus(seat, "Calls");
        pay(seat, s_.toCall);
        showCash(seat);
        showPot();
        act(seat, s_.toCall > 0 ? Move::Call : Move::Check, s_.toCall);
        return;
    }
    clearSeatCards(seat);
    setStatus(seat, "Folds");
    s_.folded[seat] = true;
    act(seat, Move::Fold, 0);
    ++s_.seatsOut;
    if (s_.seatsOut == 7) declareAllOutWin();
    // The opener role passes on, never back to a seat before the folding one.
    if (s_.openerSeat == seat) {
        s_.openerSeat = You;
        for (int next = seat - 1; next >= Robot; --next) {
            if (s_.live(next)) {
                s_.openerSeat = next;
                break;
            }
        }
    }
}

}  // namespace trelvist
