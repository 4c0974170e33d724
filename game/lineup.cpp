#include "game/lineup.h"

namespace trelvist {

namespace {

constexpr std::array<const char*, 7> kMixed{
    "Shark", "Maniac", "Rock", "Calling station", "Tight-aggressive", "Loose-aggressive", "Classic"};

uint64_t nextDraw(uint64_t& state) {
    state += 0x9E3779B97F4A7C15ull;
    uint64_t x = state;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

}  // namespace

Lineup lineupFromStored(int32_t value) {
    return value >= 0 && value <= static_cast<int32_t>(Lineup::PerSeat) ? static_cast<Lineup>(value) : Lineup::Classic;
}

int32_t styleFromStored(int32_t value) {
    return value >= 0 && value < static_cast<int32_t>(kStyleNames.size()) ? value : 0;
}

int32_t styleNumber(std::string_view name) {
    for (std::size_t i = 0; i < kStyleNames.size(); ++i)
        if (name == kStyleNames[i]) return static_cast<int32_t>(i);
    return 0;
}

std::array<const char*, 7> lineupStyles(Lineup lineup, uint64_t& draws, const OpponentStyles& picked) {
    if (lineup == Lineup::Mixed) return kMixed;
    std::array<const char*, 7> names{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        switch (lineup) {
        case Lineup::Random: names[i] = kStyleNames[nextDraw(draws) % kStyleNames.size()]; break;
        case Lineup::PerSeat: names[i] = kStyleNames[styleFromStored(picked[i])]; break;
        default: names[i] = kStyleNames[0]; break;
        }
    }
    return names;
}

}  // namespace trelvist
