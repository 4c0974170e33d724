#pragma once
// The text of 100,000 hands of history, as the game writes it: one table's hands, played by
// seeded presses, written over and over. Shared by the benchmarks that read or index history.
#include <string>

namespace trelvist::bench {

constexpr int kHistoryHands = 100'000;

const std::string& playedHistoryText();

}  // namespace trelvist::bench
