#pragma once
// What the statistics window and the HUD show: plain figures worked out by the statistics
// store, for the window to draw. Nothing here knows how they were counted or stored.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/cards.h"

namespace trelvist::stats {

// One seat's figures over a stretch of hands. Percentages run from 0 to 100; a figure whose
// denominator is zero is empty.
struct SeatFigures {
    std::string name;   // "You", "Freak", ...
    std::string style;  // the style it played, empty where styles do not apply
    int64_t hands = 0;
    std::optional<double> vpip, pfr, threeBet, af, wtsd, wsd, wwsf, cbet;
    int64_t net = 0;                 // chips won less chips put in
    std::optional<double> bbPer100;  // net in big bets per 100 hands
    friend bool operator==(const SeatFigures&, const SeatFigures&) = default;
};

// Your chips after each of your hands, in the order played.
struct ChipPoint {
    int64_t hand = 0;     // the hand's number
    int64_t chips = 0;    // your cash once it was settled
    bool newGame = false; // the first hand of a game (a new game, new initial cash, a new run)
    friend bool operator==(const ChipPoint&, const ChipPoint&) = default;
};

// Your net result from one position at the table.
struct PositionResult {
    std::string position;  // "Small blind", "Big blind", "Early", "Middle", "Late", "Button"
    int64_t hands = 0;
    int64_t net = 0;
    friend bool operator==(const PositionResult&, const PositionResult&) = default;
};

// Your result with one of the 169 starting hands: rank 0 is the ace .. 12 the deuce; on the
// grid, suited hands lie above the diagonal (row < column), pairs on it, offsuit below.
struct StartingHandResult {
    int64_t hands = 0;
    int64_t net = 0;
    friend bool operator==(const StartingHandResult&, const StartingHandResult&) = default;
};

struct StatisticsReport {
    int64_t hands = 0;  // hands over the whole history
    std::array<SeatFigures, kSeatSlots> session{};  // by seat number: this run's hands
    std::array<SeatFigures, kSeatSlots> lifetime{}; // by seat number: the whole history
    std::vector<SeatFigures> lifetimeByStyle;       // per style, where styles exist
    std::vector<ChipPoint> sessionChips, lifetimeChips;
    std::vector<PositionResult> byPosition;         // your lifetime results
    std::array<std::array<StartingHandResult, 13>, 13> startingHands{};
};

}  // namespace trelvist::stats
