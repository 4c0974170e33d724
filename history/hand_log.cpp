#include "history/hand_log.h"

#include <algorithm>
#include <utility>

#include "game/saturate.h"

namespace trelvist::history {

std::array<int32_t, kSeatSlots> cashAfter(const HandRecord& hand) {
    std::array<int32_t, kSeatSlots> cash = hand.start.cash;
    for (const HandEvent& event : hand.events) {
        if (const auto* post = std::get_if<BlindPost>(&event)) addTo(cash[post->seat], -int64_t{post->paid});
        if (const auto* action = std::get_if<Action>(&event)) addTo(cash[action->seat], -int64_t{action->amount});
        if (const auto* payment = std::get_if<Payment>(&event)) addTo(cash[payment->seat], payment->amount);
    }
    return cash;
}

HandLog::HandLog(Clock clock, int64_t firstNumber) : clock_(std::move(clock)), nextNumber_(firstNumber) {}

void HandLog::onChanged(std::function<void()> subscriber) { changed_.push_back(std::move(subscriber)); }

void HandLog::onFinished(std::function<void(const HandRecord&)> subscriber) {
    finished_.push_back(std::move(subscriber));
}

void HandLog::tellChanged() {
    for (const auto& subscriber : changed_) subscriber();
}

HandRecord* HandLog::inProgress() {
    return !hands_.empty() && hands_.back().state == HandState::InProgress ? &hands_.back() : nullptr;
}

void HandLog::record(HandEvent event) {
    HandRecord* hand = inProgress();
    if (!hand) return;
    hand->events.push_back(std::move(event));
    tellChanged();
}

// The observer is not told of a new game; it shows as every seat's cash set to one value
// that is not what the last hand left.
bool HandLog::sameGame(const HandStart& start) const {
    if (hands_.empty() || hands_.back().state != HandState::Finished || cashWasSet_) return false;
    const std::span<const int32_t> seats = std::span(start.cash).subspan(1);
    const bool allAlike = std::all_of(seats.begin(), seats.end(), [&](int32_t cash) { return cash == seats[0]; });
    return cashAfter(hands_.back()) == start.cash || !allAlike;
}

void HandLog::handStarted(const HandStart& start) {
    if (HandRecord* left = inProgress()) left->state = HandState::Unfinished;
    const bool goesOn = sameGame(start);
    cashWasSet_ = false;
    HandRecord& hand = hands_.emplace_back();
    hand.number = nextNumber_++;
    hand.game = goesOn ? hands_[hands_.size() - 2].game : hand.number;
    hand.time = clock_();
    hand.start = start;
    tellChanged();
}

void HandLog::blindPosted(int seat, bool big, int32_t amount, int32_t paid) {
    record(BlindPost{seat, big, amount, paid});
}

void HandLog::acted(int seat, Move move, int32_t amount) { record(Action{seat, move, amount}); }

void HandLog::streetTurned(int street, std::span<const Card>) { record(StreetTurned{street}); }

void HandLog::showedDown(int seat, std::array<Card, 2> cards, std::string_view handName) {
    // A showdown shows the whole board, also after a fold that skipped the later streets.
    if (const HandRecord* hand = inProgress())
        for (int street = lastStreetShown(*hand) + 1; street <= kRiver; ++street) record(StreetTurned{street});
    record(Shown{seat, cards, std::string(handName)});
}

void HandLog::cashSet(int32_t) { cashWasSet_ = true; }

void HandLog::potPaid(int seat, int32_t amount) { record(Payment{seat, amount}); }

void HandLog::handEnded(int32_t pot, std::string_view result) {
    HandRecord* hand = inProgress();
    if (!hand) return;
    hand->state = HandState::Finished;
    hand->pot = pot;
    hand->result = result;
    tellChanged();
    for (const auto& subscriber : finished_) subscriber(*hand);
}

}  // namespace trelvist::history
