#pragma once
// What happens at the table, told as it happens: for the paced playback, the hand log, the
// history files and the script tool's trace. The engine calls these in the order of play; an observer only watches, and
// nothing it does reaches the game.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "game/cards.h"
#include "game/table_view.h"

namespace trelvist {

// A new hand, told after its cards are dealt and before its blinds are posted.
struct HandStart {
    int32_t smallBet = 0, bigBet = 0;       // the limits of the first two streets and the last two
    int32_t smallBlind = 0, bigBlind = 0;
    int32_t level = 0;                      // the opponents' simulated deals minus one
    std::array<int32_t, kSeatSlots> cash{}; // every seat's cash, by seat number
    std::array<Card, 2> yourCards{};
    std::array<Card, 5> board{};            // what the streets will turn up
};

enum class Move { Check, Call, Raise, Fold };

class TableObserver {
public:
    virtual ~TableObserver() = default;

    virtual void handStarted(const HandStart&) {}
    // A blind in the pot. `paid` is what left the seat's cash: a seat without chips pays
    // nothing, yet the pot holds its blind all the same.
    virtual void blindPosted(int /*seat*/, bool /*big*/, int32_t /*amount*/, int32_t /*paid*/) {}
    // An action with the chips it moved into the pot (0 for a check or a fold).
    virtual void acted(int /*seat*/, Move, int32_t /*amount*/) {}
    // The flop (street 2), the turn (3) or the river (4): the board as it now shows.
    virtual void streetTurned(int /*street*/, std::span<const Card> /*board*/) {}
    // A seat taking part in the showdown, with its cards face up and the name of its hand.
    virtual void showedDown(int /*seat*/, std::array<Card, 2> /*cards*/, std::string_view /*handName*/) {}
    // Chips out of the pot to a seat.
    virtual void potPaid(int /*seat*/, int32_t /*amount*/) {}
    // The hand is settled: its pot was paid (or, with nobody taking part, lost) and its
    // result is `result`, as the table shows it.
    virtual void handEnded(int32_t /*pot*/, std::string_view /*result*/) {}
    // The initial cash typed into the options panel: every seat's cash is set to it.
    virtual void cashSet(int32_t /*value*/) {}
    virtual void gameOver(std::string_view /*text*/) {}
    // The cards on the table changed: `view` is the table as it now shows.
    virtual void tableChanged(const TableView& /*view*/, const TableChange& /*change*/) {}
};

}  // namespace trelvist
