#include "settings/game_keys.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace trelvist {
namespace {

// Each opponent decision simulates level + 1 deals: a larger level would freeze the window.
constexpr int32_t kHighestLevel = 2000;
// Pictures below the backs are faces (or nothing): a face-down card must show a back.
constexpr int32_t kFirstCardBack = 52;

constexpr std::array<const char*, 9> kCashKeys{
    nullptr, "robot", "expert", "pinhead", "champ", "master", "geek", "freak", "player"};

}  // namespace

const char* cashKey(int seat) {
    if (seat < 1 || seat > 8) throw std::out_of_range("no seat " + std::to_string(seat));
    return kCashKeys[static_cast<size_t>(seat)];
}

StoredGame readStoredGame(SettingsStore& store) {
    const StoredGame absent;
    StoredGame game;
    game.soundOn = store.readBool(kSettingsSection, kSoundKey, absent.soundOn);
    game.showdownCount = store.readInt(kStatsSection, kShowdownsKey, absent.showdownCount);
    game.handsPlayed = store.readInt(kStatsSection, kHandsPlayedKey, absent.handsPlayed);
    game.handsWon = store.readInt(kStatsSection, kHandsWonKey, absent.handsWon);
    for (const int seat : kCashKeyOrder)
        game.cash[static_cast<size_t>(seat)] =
            store.readInt(kCashSection, cashKey(seat), absent.cash[static_cast<size_t>(seat)]);
    game.playUntil = store.readInt(kCashSection, kUntilKey, absent.playUntil);
    game.initialCash = store.readInt(kCashSection, kInitialKey, absent.initialCash);
    game.cardBack = std::max(store.readInt(kCardSection, kBackKey, absent.cardBack), kFirstCardBack);
    const int32_t level = store.readInt(kLevelsSection, kCompKey, absent.aiLevel);
    game.aiLevel = level > kHighestLevel ? absent.aiLevel : level;
    game.smallBet = store.readInt(kBetSection, kSmallKey, absent.smallBet);
    game.bigBet = store.readInt(kBetSection, kBigKey, absent.bigBet);
    return game;
}

}  // namespace trelvist
