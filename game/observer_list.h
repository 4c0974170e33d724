#pragma once
// Passes every event of the table on to any number of observers, in the order they were added.
#include <vector>

#include "game/table_observer.h"

namespace trelvist {

class ObserverList : public TableObserver {
public:
    // `observer` must outlive the list.
    void add(TableObserver& observer) { observers_.push_back(&observer); }

    void handStarted(const HandStart& start) override { tell(&TableObserver::handStarted, start); }
    void blindPosted(int seat, bool big, int32_t amount, int32_t paid) override {
        tell(&TableObserver::blindPosted, seat, big, amount, paid);
    }
    void acted(int seat, Move move, int32_t amount) override { tell(&TableObserver::acted, seat, move, amount); }
    void streetTurned(int street, std::span<const Card> board) override {
        tell(&TableObserver::streetTurned, street, board);
    }
    void showedDown(int seat, std::array<Card, 2> cards, std::string_view handName) override {
        tell(&TableObserver::showedDown, seat, cards, handName);
    }
    void potPaid(int seat, int32_t amount) override { tell(&TableObserver::potPaid, seat, amount); }
    void handEnded(int32_t pot, std::string_view result) override { tell(&TableObserver::handEnded, pot, result); }
    void cashSet(int32_t value) override { tell(&TableObserver::cashSet, value); }
    void gameOver(std::string_view text) override { tell(&TableObserver::gameOver, text); }
    void tableChanged(const TableView& view, const TableChange& change) override {
        tell(&TableObserver::tableChanged, view, change);
    }

private:
    template <class... Params, class... Args>
    void tell(void (TableObserver::*event)(Params...), const Args&... args) {
        for (TableObserver* observer : observers_) (observer->*event)(args...);
    }

    std::vector<TableObserver*> observers_;
};

}  // namespace trelvist
