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
    if (display_.btnstay.caption == "Check" && s_.street < 5 && s_.seatsOut < 7) display_.btnbet.enabled = true;
}

void Table::closeStreet() {
    ++s_.street;
    drawTable();
    cardSound();
    if (s_.street >= 2 && s_.street <= 4)
        observer_->streetTurned(s_.street, std::span<const Card>(s_.board()).first(s_.boardShown()));
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
    copyHoleToSubject(seat);
    if (!s_.live(seat)) return false;

    s_.toCall = 0;
    s_.raiseAmount = decideRaise();
    if (s_.raiseAmount == 0) {
        // Pre-flop the label keeps the seat's answer to the big blind.
        if (s_.street != 1) setStatus(seat, "Check");
        pay(seat, s_.toCall);
        showCash(seat);
        showPot();
        observer_->acted(seat, Move::Check, s_.toCall);
        return false;
    }

    chipSound();
    setStatus(seat, "Raises");
    setStatusColor(seat, LabelColor::Yellow);
    addTo(s_.toCall, s_.raiseAmount);
    pay(seat, s_.toCall);
    showCash(seat);
    showPot();
    observer_->acted(seat, Move::Raise, s_.toCall);
    setRaiser(seat);
    for (int other = seat - 1; other >= Robot; --other)
        if (s_.live(other)) opponentAnswer(other);
    for (int other = Freak; other > seat; --other)
        if (s_.live(other)) setStatus(other, "");
    if (isPanelBet(s_.raiseAmount)) display_.btnstay.caption = "Call";
    display_.btnbet.enabled = false;
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

}  // namespace trelvist
