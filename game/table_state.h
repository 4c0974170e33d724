#pragma once
// The rules' state: every seat's chips and cards, the betting round, the limits and options,
// and the named facts the rules decide by. A plain value, compared whole in the tests.
#include <array>
#include <cstdint>
#include <span>

#include "game/cards.h"

namespace trelvist {

// The computer levels Amateur, Expert, Master and Genius: simulated deals minus one.
constexpr std::array<int32_t, 4> kLevelValues{400, 600, 800, 900};

struct TableState {
    std::array<int32_t, kSeatSlots> cash{};
    std::array<bool, kSeatSlots> folded{};
    std::array<bool, kSeatSlots> raised{};  // last-raiser flags; You have none
    int32_t street = 1;       // 1 pre-flop, 2 flop, 3 turn, 4 river, 5 hand over
    int32_t blindSeat = 1;    // the big blind of the hand
    int32_t openerSeat = 1;   // whose turn opens each street
    int32_t seatsOut = 0;
    bool uncontested = false;
    bool potSettled = false;
    bool allOutDeclared = false;  // the all-out win is settled at most once per hand

    // What the human may do now. The buttons' states are these, and nothing else.
    bool canDeal = false;   // the hand is over and the game goes on
    bool canAct = true;     // Check/Call and Fold
    bool canRaise = true;
    // Check/Call offers a call. Only the bets the options panel can set turn it to "Call", so
    // after a bet of another size it still offers "Check", though the call costs the bet.
    bool callOffered = false;

    int32_t pot = 0, toCall = 0, raiseAmount = 0;
    int32_t smallBet = 4, bigBet = 8, smallBlind = 2, bigBlind = 4;
    int32_t initialCash = 1200, playUntil = 600;
    int32_t handsPlayed = 0, handsWon = 0, showdownCount = 0;
    bool soundOn = true;
    int32_t aiLevel = 400;
    int32_t cardBack = kFirstBack;

    Deck deck{};
    Deck oddsDeck{};  // the odds routine's deck, stirred at every deal
    std::array<std::array<Card, 2>, kSeatSlots> holes{};
    std::array<Card, 5> boardCards{};  // what the flop, the turn and the river turn up

    bool live(int seat) const { return !folded[seat] && cash[seat] > 0; }
    // The board cards the table shows: none pre-flop, the flop, then the turn, then the river.
    int boardShown() const { return street == 2 ? 3 : street == 3 ? 4 : street >= 4 ? 5 : 0; }

    std::span<Card, 2> hole(int seat) { return holes[seat]; }
    std::span<const Card, 2> hole(int seat) const { return holes[seat]; }
    std::span<Card, 5> board() { return boardCards; }
    std::span<const Card, 5> board() const { return boardCards; }

    friend bool operator==(const TableState&, const TableState&) = default;
};

}  // namespace trelvist
