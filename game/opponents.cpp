// The opponents' decisions: answer a bet (stay in or fold) and choose between check and raise.
// All seven share every rule; only their seats differ.
#include <algorithm>

#include "game/saturate.h"
#include "game/seats.h"
#include "game/table.h"

namespace trelvist {

namespace {

// Percent chance to raise by street, for strength above 20, 25, 30 and 40.
constexpr int kRaiseChance[5][4] = {
    {0, 0, 0, 0},
    {0, 0, 50, 100},    // pre-flop
    {70, 90, 100, 100}, // flop
    {70, 90, 100, 100}, // turn
    {90, 100, 100, 100} // river
};
constexpr int kRaiseThreshold[4] = {20, 25, 30, 40};

// The strength below which an opponent folds, by street, when few or many opponents are out.
struct FoldRule {
    int32_t manyOutAbove;  // "many" means more than this many opponents out
    int32_t fewOut, manyOut;
};
constexpr FoldRule kFoldRule[5] = {
    {0, 0, 0},
    {3, 27, 21},  // pre-flop
    {2, 20, 10},  // flop
    {2, 20, 7},   // turn
    {2, 15, 2},   // river
};

}  // namespace

int32_t Table::decideRaise() {
    const OddsEstimate odds = estimateOdds();
    const int street = std::clamp(s_.street, 1, 4);
    int raiseChance = 0;
    for (int i = 0; i < 4; ++i)
        if (odds.strength > kRaiseThreshold[i]) raiseChance = kRaiseChance[street][i];
    const int roll = rng_.below(100);
    if (roll > 100 - raiseChance && !odds.noRaise) return s_.street <= 2 ? s_.smallBet : s_.bigBet;
    return 0;
}

bool Table::decideStayIn() {
    const OddsEstimate odds = estimateOdds();
    const FoldRule& rule = kFoldRule[std::clamp(s_.street, 1, 4)];
    const int32_t foldBelow = s_.seatsOut > rule.manyOutAbove ? rule.manyOut : rule.fewOut;
    return odds.strength >= foldBelow;
}

void Table::opponentAnswer(int seat) {
    copyHoleToSubject(seat);
    const bool willCall = decideStayIn();
    // A seat that cannot pay in full folds, whatever it decided.
    if (willCall && int64_t{s_.cash[seat]} - s_.toCall >= 0) {
        setStatus(seat, "Calls");
        pay(seat, s_.toCall);
        showCash(seat);
        showPot();
        observer_->acted(seat, s_.toCall > 0 ? Move::Call : Move::Check, s_.toCall);
        return;
    }
    eraseSeatCards(seat);
    setStatus(seat, "Folds");
    s_.folded[seat] = true;
    observer_->acted(seat, Move::Fold, 0);
    ++s_.seatsOut;
    if (s_.seatsOut == 7) declareAllOutWin();
    // The opener role passes on, never back to a seat before the folding one.
    if (s_.openerSeat == seat) {
        s_.openerSeat = You;
        for (int next = seat - 1; next >= Robot; --next) {
            if (s_.live(next)) {
                s_.openerSeat = next;
                break;
            }
        }
    }
}

}  // namespace trelvist
