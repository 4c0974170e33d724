#include "game/classic_strategy.h"

#include <algorithm>

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

bool ClassicStrategy::raises(const SeatContext& context) {
    const OddsEstimate odds = odds_.estimate(context.hole, context.level);
    const int street = std::clamp(context.street, 1, 4);
    int raiseChance = 0;
    for (int i = 0; i < 4; ++i)
        if (odds.strength > kRaiseThreshold[i]) raiseChance = kRaiseChance[street][i];
    const int roll = random_.below(100);
    return roll > 100 - raiseChance && !odds.noRaise;
}

bool ClassicStrategy::staysIn(const SeatContext& context) {
    const OddsEstimate odds = odds_.estimate(context.hole, context.level);
    const FoldRule& rule = kFoldRule[std::clamp(context.street, 1, 4)];
    const int32_t foldBelow = context.seatsOut > rule.manyOutAbove ? rule.manyOut : rule.fewOut;
    return odds.strength >= foldBelow;
}

}  // namespace trelvist
