#pragma once
// The hands of this session, recorded from what the table tells: the hand in progress grows
// with every event, and is closed when the table settles it.
#include <cstdint>
#include <functional>
#include <vector>

#include "game/table_observer.h"
#include "history/hand_record.h"

namespace trelvist::history {

// Seconds since 1970.
using Clock = std::function<int64_t()>;

class HandLog : public TableObserver {
public:
    // The first hand dealt gets `firstNumber`, each later one the next number.
    HandLog(Clock clock, int64_t firstNumber);

    // Oldest first; the last one may still be in progress.
    const std::vector<HandRecord>& hands() const { return hands_; }

    // Subscribers are called in the order they subscribed, and stay subscribed while the log
    // lives. None may subscribe from inside a call: that could move the list being walked.
    //
    // `subscriber` is called after every change to the newest hand, and after a new hand is added.
    void onChanged(std::function<void()> subscriber);
    // `subscriber` is called once for each hand the table settles, after the onChanged ones.
    void onFinished(std::function<void(const HandRecord&)> subscriber);

    void handStarted(const HandStart& start) override;
    void blindPosted(int seat, bool big, int32_t amount, int32_t paid) override;
    void acted(int seat, Move move, int32_t amount) override;
    void streetTurned(int street, std::span<const Card> board) override;
    void showedDown(int seat, std::array<Card, 2> cards, std::string_view handName) override;
    void potPaid(int seat, int32_t amount) override;
    void handEnded(int32_t pot, std::string_view result) override;
    void cashSet(int32_t value) override;

private:
    // Adds an event to the hand in progress; between hands the table tells nothing to record.
    void record(HandEvent event);
    HandRecord* inProgress();
    void tellChanged();

    std::vector<std::function<void()>> changed_;
    std::vector<std::function<void(const HandRecord&)>> finished_;

    // Whether the hand now starting goes on from the last one's chips.
    bool sameGame(const HandStart& start) const;

    Clock clock_;
    int64_t nextNumber_;
    bool cashWasSet_ = false;  // since the last hand started
    std::vector<HandRecord> hands_;
};

}  // namespace trelvist::history
