#include "game/lineup.h"

namespace trelvist {

namespace {

constexpr std::array<const char*, 7> kStyleNames{
    "Classic", "Rock", "Tight-aggressive", "Loose-aggressive", "Calling station", "Maniac", "Shark"};

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
    return value == 1 ? Lineup::Mixed : value == 2 ? Lineup::Random : Lineup::Classic;
}

std::array<const char*, 7> lineupStyles(Lineup lineup, uint64_t& draws) {
    if (lineup == Lineup::Mixed) return kMixed;
    std::array<const char*, 7> names{};
    for (const char*& name : names)
        name = lineup == Lineup::Random ? kStyleNames[nextDraw(draws) % kStyleNames.size()] : kStyleNames[0];
    return names;
}

}  // namespace trelvist
