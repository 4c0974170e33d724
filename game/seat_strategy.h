#pragma once
// How an opponent decides: the two decisions the rules ask of a seat, made from what a player
// at that seat may know. The table plays the rules around them (who acts when, what a bet or
// a raise costs); a strategy only answers.
#include <array>
#include <cstdint>
#include <memory>
#include <span>

#include "game/cards.h"
#include "game/table_observer.h"

namespace trelvist {

// One action of the hand so far, blinds included.
struct SeatAction {
    int seat = 0;
    int street = 1;  // 1 pre-flop .. 4 river
    Move move = Move::Check;
    int32_t amount = 0;  // the chips it moved into the pot
    bool blind = false;
    friend bool operator==(const SeatAction&, const SeatAction&) = default;
};

// What a player at `seat` knows when asked to decide.
struct SeatContext {
    int seat = 0;
    std::array<Card, 2> hole{};
    std::span<const Card> board;  // the board as shown: none, the flop, the turn, the river
    int street = 1;               // 1 pre-flop, 2 flop, 3 turn, 4 river
    int32_t pot = 0;
    int32_t toPay = 0;            // what staying in costs now
    int32_t smallBet = 0, bigBet = 0;
    std::array<bool, kSeatSlots> inHand{};  // seats neither folded nor without chips
    int seatsOut = 0;                       // opponents out of the hand, as the table counts them
    std::array<int32_t, kSeatSlots> cash{};
    int32_t level = 0;                      // the opponents' simulated deals minus one
    std::span<const SeatAction> actions;    // the hand so far, in the order of play
};

class SeatStrategy {
public:
    virtual ~SeatStrategy() = default;
    // Facing a bet (or the big blind's call): stay in, or fold. A seat that cannot pay in full
    // folds whatever it answers.
    virtual bool staysIn(const SeatContext& context) = 0;
    // In its turn: raise by the street's bet, or check.
    virtual bool raises(const SeatContext& context) = 0;
};

}  // namespace trelvist
