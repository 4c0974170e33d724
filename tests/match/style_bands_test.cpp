// The styles at a mixed table keep to the figures trackers know them by: a short match with
// wide margins, so that a change that turns one style into another shows at once.
#include <gtest/gtest.h>

#include <map>

#include "tools/match_report.h"
#include "tools/match_run.h"

namespace trelvist::tools {
namespace {

TEST(StyleBands, EachStyleAtAMixedTablePlaysLikeItsName) {
    MatchPlan plan;
    plan.hands = 20'000;
    plan.seed = 3;
    plan.level = 0;
    plan.rotate = true;
    plan.threads = 2;
    plan.styles = {"Classic", "Rock", "Tight-aggressive", "Loose-aggressive", "Calling station", "Maniac", "Shark",
                   "Classic"};
    const MatchTotals totals = playMatch(plan, [](int64_t, int64_t) {});
    std::map<std::string, stats::SeatFigures> by;
    for (const MatchRow& row : matchRows(plan, totals)) by[row.figures.style] = row.figures;

    const auto& rock = by.at("rock");
    EXPECT_LE(*rock.vpip, 12);
    EXPECT_LE(*rock.pfr, 8);
    EXPECT_NEAR(*rock.af, 1.0, 0.5);

    const auto& tag = by.at("tight-aggressive");
    EXPECT_GE(*tag.vpip, 15);
    EXPECT_LE(*tag.vpip, 24);
    EXPECT_GE(*tag.af, 1.4);
    EXPECT_LE(*tag.af, 2.6);
    // It raises with most of the hands it plays, as far as the turns of the table let it.
    EXPECT_GE(*tag.pfr / *tag.vpip, 0.3);

    const auto& lag = by.at("loose-aggressive");
    EXPECT_GE(*lag.vpip, 27);
    EXPECT_LE(*lag.vpip, 36);
    EXPECT_GT(*lag.af, 2.5);

    const auto& station = by.at("calling-station");
    EXPECT_GE(*station.vpip, 40);
    EXPECT_LE(*station.vpip, 60);
    EXPECT_LT(*station.pfr, 8);
    EXPECT_LT(*station.af, 1);
    EXPECT_GT(*station.wtsd, 40);

    const auto& maniac = by.at("maniac");
    EXPECT_GT(*maniac.vpip, 50);
    EXPECT_GT(*maniac.pfr, 30);
    EXPECT_GT(*maniac.af, 4);

    // The tight styles enter fewer pots than the loose ones, in the order of their names.
    EXPECT_LT(*rock.vpip, *tag.vpip);
    EXPECT_LT(*tag.vpip, *lag.vpip);
    EXPECT_LT(*lag.vpip, *station.vpip);
}

}  // namespace
}  // namespace trelvist::tools
