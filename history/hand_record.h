#pragma once
// One hand as the table told it: how it started and every event after, in order.
#include <array>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "game/table_observer.h"

namespace trelvist::history {

struct BlindPost {
    int seat;
    bool big;
    int32_t amount;  // what the pot holds for it
    int32_t paid;    // what left the seat's cash: nothing for a seat without chips
    friend bool operator==(const BlindPost&, const BlindPost&) = default;
};

struct Action {
    int seat;
    Move move;
    int32_t amount;  // the chips it moved into the pot
    friend bool operator==(const Action&, const Action&) = default;
};

constexpr int kPreflop = 1, kFlop = 2, kTurn = 3, kRiver = 4;

// The flop, the turn or the river turned up; its cards are the start's board.
struct StreetTurned {
    int street;
    friend bool operator==(const StreetTurned&, const StreetTurned&) = default;
};

// The board cards on the table once `street` is turned up.
constexpr int boardCardsOf(int street) { return street >= kFlop && street <= kRiver ? street + 1 : 0; }

struct Shown {
    int seat;
    std::array<Card, 2> cards;
    std::string handName;
    friend bool operator==(const Shown&, const Shown&) = default;
};

struct Payment {
    int seat;
    int32_t amount;
    friend bool operator==(const Payment&, const Payment&) = default;
};

using HandEvent = std::variant<BlindPost, Action, StreetTurned, Shown, Payment>;

enum class HandState {
    InProgress,
    Finished,
    Unfinished,  // the next hand was dealt before this one was settled (a new game)
};

struct HandRecord {
    int64_t number = 0;
    // The number of the first hand of its game: within a game each seat starts a hand with the
    // chips it ended the last one with. A new game, new initial cash, a hand cut short and a
    // new run each start a game.
    int64_t game = 0;
    int64_t time = 0;  // when it was dealt, in seconds since 1970
    HandStart start;
    std::vector<HandEvent> events;
    HandState state = HandState::InProgress;
    int32_t pot = 0;     // once finished: the pot it was settled with
    std::string result;  // once finished: the result as the table shows it ("Geek wins")
};

// Each seat's cash once the hand's chips have moved, kept within 32 bits as the table keeps it.
std::array<int32_t, kSeatSlots> cashAfter(const HandRecord& hand);

// The street the hand has reached: pre-flop until the flop is turned up.
inline int lastStreetShown(const HandRecord& hand) {
    int street = kPreflop;
    for (const HandEvent& event : hand.events)
        if (const auto* turned = std::get_if<StreetTurned>(&event)) street = turned->street;
    return street;
}

}  // namespace trelvist::history
