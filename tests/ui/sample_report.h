#pragma once
// A statistics report made by hand, with figures of every kind: seats with and without
// hands, empty figures, wins and losses, two new games, two styles and a few starting hands.
#include "stats/statistics_report.h"

namespace trelvist::ui::test {

stats::StatisticsReport sampleReport();

}  // namespace trelvist::ui::test
