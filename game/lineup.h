#pragma once
// Who the seven opponents are: the classic rules at every seat, a fixed mix of styles, a new
// draw of styles at each new game, or a style the player picked for each seat.
#include <array>
#include <cstdint>
#include <string_view>

namespace trelvist {

enum class Lineup : int32_t { Classic = 0, Mixed = 1, Random = 2, PerSeat = 3 };

// The styles an opponent can play, by their stored number.
inline constexpr std::array<const char*, 7> kStyleNames{
    "Classic", "Rock", "Tight-aggressive", "Loose-aggressive", "Calling station", "Maniac", "Shark"};

// The seven opponents' styles by stored number, in the order of play (Freak .. Robot).
using OpponentStyles = std::array<int32_t, 7>;

// The stored value as a line-up; anything unknown is the classic one.
Lineup lineupFromStored(int32_t value);

// A stored style number as a style; anything unknown is the classic one.
int32_t styleFromStored(int32_t value);

// The number of a style's name; the classic style's for a name that is none.
int32_t styleNumber(std::string_view name);

// The style names of the seven opponents, in the order of play. A random line-up draws them
// from `draws`, a generator state of the line-up's own; a per-seat one takes `picked`.
std::array<const char*, 7> lineupStyles(Lineup lineup, uint64_t& draws, const OpponentStyles& picked);

}  // namespace trelvist
