#pragma once
// The bet sizes the options panel can set. The button captions follow only these.
#include <cstdint>

namespace trelvist {

// The small bets: 2, 4, 6, 8, 10.
constexpr bool isSmallPanelBet(int32_t amount) { return amount >= 2 && amount <= 10 && amount % 2 == 0; }

// Every small or big bet: 2, 4, 6, 8, 10, 12, 16, 20.
constexpr bool isPanelBet(int32_t amount) {
    return isSmallPanelBet(amount) || amount == 12 || amount == 16 || amount == 20;
}

}  // namespace trelvist
