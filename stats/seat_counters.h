#pragma once
// Per-seat counters of the tracker figures, worked out hand by hand from the hand as the table
// told it, the way a tracker reading the hand's history file counts them. Every counter is a
// plain count or sum, so the counters of two stretches of hands add up to those of both.
#include <array>
#include <cstdint>

#include "game/cards.h"
#include "history/hand_record.h"

namespace trelvist::stats {

struct SeatCounters {
    int64_t hands = 0;            // hands the seat took part in
    int64_t vpipChances = 0, vpip = 0;
    int64_t pfrChances = 0, pfr = 0;
    int64_t threeBetChances = 0, threeBets = 0;
    int64_t aggressiveStreets = 0;  // flop, turn and river streets with a bet or raise of its own
    int64_t postflopCalls = 0;      // calls on the flop, turn and river
    int64_t sawFlop = 0, wonWhenSawFlop = 0;
    int64_t sawShowdown = 0, wonAtShowdown = 0;
    int64_t cbetChances = 0, cbets = 0;
    int64_t net = 0;         // chips collected less chips put in
    int64_t netSquares = 0;  // the sum of each hand's net squared, for the spread of the win rate
    int64_t bigBets = 0;     // the sum of each hand's big bet

    SeatCounters& operator+=(const SeatCounters& other);
    friend bool operator==(const SeatCounters&, const SeatCounters&) = default;
};

using TableCounters = std::array<SeatCounters, kSeatSlots>;  // by seat number

// One hand's counters by seat number. A hand that was never settled counts for nobody.
TableCounters countHand(const history::HandRecord& hand);

}  // namespace trelvist::stats
