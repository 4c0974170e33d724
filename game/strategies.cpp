#include "game/strategies.h"

#include "game/always_call_strategy.h"
#include "game/classic_strategy.h"
#include "game/style_strategy.h"

namespace trelvist {

namespace {

template <class Strategy>
std::unique_ptr<SeatStrategy> make(const StrategyTools& tools) {
    return std::make_unique<Strategy>(tools);
}

constexpr StrategyEntry kStrategies[] = {
    {"Classic", &make<ClassicStrategy>},
    {"Always call", &make<AlwaysCallStrategy>},
    {"Rock", &makeRockStrategy},
    {"Tight-aggressive", &makeTightAggressiveStrategy},
    {"Loose-aggressive", &makeLooseAggressiveStrategy},
    {"Calling station", &makeCallingStationStrategy},
    {"Maniac", &makeManiacStrategy},
    {"Shark", &makeSharkStrategy},
};

}  // namespace

std::span<const StrategyEntry> strategies() { return kStrategies; }

std::unique_ptr<SeatStrategy> makeStrategy(std::string_view name, const StrategyTools& tools) {
    for (const StrategyEntry& entry : kStrategies)
        if (name == entry.name) return entry.make(tools);
    return nullptr;
}

}  // namespace trelvist
