#pragma once
// One press a player could make now, picked at random: Deal when a hand can be dealt, else
// check or call twice as often as raise or fold, else a new game when the table waits for one.
#include <random>

#include "game/table.h"

namespace trelvist::testing {

inline void pressAtRandom(Table& table, std::mt19937& random) {
    const TableView& view = table.view();
    if (view.deal.enabled) {
        table.press({Control::Deal});
    } else if (view.checkOrCall.enabled || view.raise.enabled || view.fold.enabled) {
        const Control choice[] = {Control::CheckOrCall, Control::CheckOrCall, Control::Raise, Control::Fold};
        table.press({choice[random() % 4]});
    } else {
        table.press({Control::NewGame});
    }
}

}  // namespace trelvist::testing
