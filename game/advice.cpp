// Advice: the human's hand rated in words, from the odds routine at its finest level.
#include "game/table.h"

namespace trelvist {

namespace {

struct Rating {
    int32_t below;
    bool onlyPreflop, onlyLater;
    int left;
    const char* caption;
};
// Tested in order; each test that holds overrides the earlier ones.
constexpr Rating kRatings[] = {
    {200, false, false, 70, "Excellent"},
    {60, false, false, 92, "Great"},
    {50, false, false, 70, "Very Good"},
    {40, false, false, 97, "Good"},
    {30, false, false, 75, "Average"},
    {20, true, false, 36, "Below Average"},
    {15, false, true, 36, "Below Average"},
    {5, false, false, 97, "Poor"},
};

}  // namespace

bool Table::advice() {
    beginAction();
    odds_.estimate(s_.holes[You], kAdviceLevel);
    if (odds_.strength() < 0) odds_.setStrength(1);
    for (const Rating& rating : kRatings) {
        if (odds_.strength() >= rating.below) continue;
        if (rating.onlyPreflop && s_.street != 1) continue;
        if (rating.onlyLater && s_.street == 1) continue;
        view_.oddsRating = {rating.caption, rating.left};
    }
    return true;
}

}  // namespace trelvist
