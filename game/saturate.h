#pragma once
// Chips and counts are 32-bit; an edited settings file can push them to the limits, where
// they stop instead of wrapping.
#include <cstdint>
#include <limits>

namespace trelvist {

constexpr int32_t saturate(int64_t v) {
    if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

constexpr void addTo(int32_t& field, int64_t amount) { field = saturate(int64_t{field} + amount); }

}  // namespace trelvist
