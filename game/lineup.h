#pragma once
// Who the seven opponents are: the classic rules at every seat, a fixed mix of styles, or a
// new draw of styles at each new game.
#include <array>
#include <cstdint>

namespace trelvist {

enum class Lineup : int32_t { Classic = 0, Mixed = 1, Random = 2 };

// The stored value as a line-up; anything unknown is the classic one.
Lineup lineupFromStored(int32_t value);

// The strategy names of the seven opponents, in the order of play (Freak .. Robot). A random
// line-up draws them from `draws`, a generator state of the line-up's own.
std::array<const char*, 7> lineupStyles(Lineup lineup, uint64_t& draws);

}  // namespace trelvist
