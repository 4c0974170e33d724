#pragma once
// The game's keys in the settings file, each spelled here once, and the reading of all of them
// at start-up.
#include <array>
#include <cstdint>

#include "settings/store.h"

namespace trelvist {

inline constexpr char kSettingsSection[] = "Settings";
inline constexpr char kSoundKey[] = "Sound";

inline constexpr char kStatsSection[] = "Stats";
inline constexpr char kShowdownsKey[] = "showdowns";
inline constexpr char kHandsPlayedKey[] = "handsplayed";
inline constexpr char kHandsWonKey[] = "handswon";

inline constexpr char kCashSection[] = "Cash";  // also holds one key per seat: cashKey()
inline constexpr char kUntilKey[] = "until";
inline constexpr char kInitialKey[] = "initial";

inline constexpr char kCardSection[] = "Card";
inline constexpr char kBackKey[] = "back";

inline constexpr char kLevelsSection[] = "Levels";
inline constexpr char kCompKey[] = "comp";

inline constexpr char kBetSection[] = "Bet";
inline constexpr char kSmallKey[] = "Small";
inline constexpr char kBigKey[] = "Big";

// The opponents' line-up: 0 classic, 1 mixed styles, 2 styles drawn at each new game. Written
// only when the player chooses one.
inline constexpr char kOpponentsSection[] = "Opponents";
inline constexpr char kLineupKey[] = "lineup";

// The seats' cash keys in the order the game reads and writes them: Freak, You, Geek, Master,
// Champ, Pinhead, Expert, Robot.
inline constexpr std::array<int, 8> kCashKeyOrder{7, 8, 6, 5, 4, 3, 2, 1};

// The cash key of seat 1..8: "robot", "expert", "pinhead", "champ", "master", "geek", "freak",
// "player". Throws std::out_of_range for any other seat.
const char* cashKey(int seat);

// Everything the game keeps in the file; the initial values are those of a game with no file.
struct StoredGame {
    bool soundOn = true;
    int32_t showdownCount = 0, handsPlayed = 0, handsWon = 0;
    std::array<int32_t, 9> cash{0, 1200, 1200, 1200, 1200, 1200, 1200, 1200, 1200};  // by seat; [0] unused
    int32_t playUntil = 600, initialCash = 1200;
    int32_t cardBack = 52;  // picture index; 52..59 are the eight backs
    int32_t aiLevel = 400;
    int32_t smallBet = 4, bigBet = 8;
};

// Reads every key once, in the order start-up reads them. Values are taken as they stand except
// a level above 2000, which reads as 400, and a card back below 52, which reads as 52.
StoredGame readStoredGame(SettingsStore& store);

}  // namespace trelvist
