// The options panel and the statistics window.
#include <algorithm>

#include "game/saturate.h"
#include "game/seats.h"
#include "game/table.h"
#include "game/whole_number.h"
#include "settings/game_keys.h"

namespace trelvist {

namespace {

constexpr int32_t kLowestAccepted = 100;
constexpr int32_t kHighestAccepted = 1000000;

}  // namespace

bool Table::toggleOptions() {
    view_.panel.visible = !view_.panel.visible;
    return true;
}

bool Table::closeOptions() {
    if (!view_.panel.visible) return false;
    view_.panel.visible = false;
    return true;
}

bool Table::typeInitialCash(const std::string& text) {
    if (!view_.panel.visible) return false;
    view_.panel.initialCashText = firstCharacters(text, kEditBoxLength);
    return true;
}

bool Table::typePlayUntil(const std::string& text) {
    if (!view_.panel.visible) return false;
    view_.panel.playUntilText = firstCharacters(text, kEditBoxLength);
    return true;
}

// Reads a box for an Enter button: a whole number within the accepted range, or a message.
static bool acceptedNumber(Host& host, const std::string& text, int32_t& value) {
    if (!parseWholeNumber(text, value)) {
        host.showMessage("", "Invalid value");
        return false;
    }
    if (value < kLowestAccepted || value > kHighestAccepted) {
        host.showMessage("", "the value is off limits");
        return false;
    }
    return true;
}

bool Table::enterInitialCash() {
    if (!view_.panel.visible) return false;
    beginAction();
    int32_t value = 0;
    if (!acceptedNumber(host_, view_.panel.initialCashText, value)) return true;
    s_.initialCash = value;
    host_.showMessage("", "New initial cash value confirmation");
    writeInt(kCashSection, kInitialKey, value);
    // The seats' new cash reaches the file at the next deal; a hand in progress goes on.
    for (int seat : {Freak, You, Geek, Master, Champ, Pinhead, Expert, Robot}) {
        s_.cash[seat] = value;
        showCash(seat);
    }
    observers_.cashSet(value);
    commitWrites();
    return true;
}

bool Table::enterPlayUntil() {
    if (!view_.panel.visible) return false;
    beginAction();
    int32_t value = 0;
    if (!acceptedNumber(host_, view_.panel.playUntilText, value)) return true;
    s_.playUntil = value;
    host_.showMessage("", "New until value confirmation");
    writeInt(kCashSection, kUntilKey, value);
    commitWrites();
    return true;
}

// Every press runs, also one that cannot move the position past either end.
bool Table::stepLimits(bool up) {
    if (!view_.panel.visible) return false;
    beginAction();
    PanelView& panel = view_.panel;
    panel.limitsStep = std::clamp(panel.limitsStep + (up ? 1 : -1), 1, 5);
    s_.smallBet = 2 * panel.limitsStep;
    s_.bigBet = 4 * panel.limitsStep;
    panel.smallBetText = std::to_string(s_.smallBet);
    panel.bigBetText = std::to_string(s_.bigBet);
    writeInt(kBetSection, kSmallKey, s_.smallBet);
    writeInt(kBetSection, kBigKey, s_.bigBet);
    commitWrites();
    return true;
}

void Table::selectCardBack(int item) {
    view_.panel.cardBackItem = item;
    s_.cardBack = kFirstBack + item;
    layCards();
    writeInt(kCardSection, kBackKey, s_.cardBack);
}

void Table::selectLevel(int item) {
    view_.panel.levelItem = item;
    s_.aiLevel = kLevelValues[item];
    writeInt(kLevelsSection, kCompKey, s_.aiLevel);
}

bool Table::chooseCardBack(int item) {
    if (!view_.panel.visible || item < 0 || item > 7) return false;
    beginAction();
    selectCardBack(item);
    commitWrites();
    return true;
}

bool Table::chooseLevel(int item) {
    if (!view_.panel.visible || item < 0 || item > 3) return false;
    beginAction();
    selectLevel(item);
    commitWrites();
    return true;
}

bool Table::chooseLineup(int item) {
    if (!view_.panel.visible || item < 0 || item > static_cast<int>(Lineup::PerSeat)) return false;
    beginAction();
    lineup_ = lineupFromStored(item);
    view_.panel.lineupItem = item;
    writeInt(kOpponentsSection, kLineupKey, item);
    commitWrites();
    seatLineup();
    return true;
}

// The player's style for each opponent, by stored number in the order of play; unknown ones
// play the classic rules. Kept in the line-up's own section, one key per seat.
bool Table::pickStyles(const OpponentStyles& styles) {
    if (!view_.panel.visible) return false;
    beginAction();
    lineup_ = Lineup::PerSeat;
    view_.panel.lineupItem = static_cast<int>(lineup_);
    writeInt(kOpponentsSection, kLineupKey, view_.panel.lineupItem);
    for (size_t i = 0; i < kOpponents.size(); ++i) {
        pickedStyles_[i] = styleFromStored(styles[i]);
        writeInt(kOpponentsSection, cashKey(kOpponents[i]), pickedStyles_[i]);
    }
    commitWrites();
    seatLineup();
    return true;
}

// Every opponent gets its style of the line-up; the classic one is the game's own strategy.
void Table::seatLineup() {
    if (lineup_ == Lineup::Random) lineupDraws_ += host_.clock();
    const std::array<const char*, 7> names = lineupStyles(lineup_, lineupDraws_, pickedStyles_);
    for (std::size_t i = 0; i < kOpponents.size(); ++i) {
        setStrategy(kOpponents[i], makeStrategy(names[i], strategyTools()));
        view_.seats[kOpponents[i]].style = names[i];
    }
}

bool Table::toggleSound() {
    if (!view_.panel.visible) return false;
    beginAction();
    s_.soundOn = !s_.soundOn;
    view_.panel.soundText = s_.soundOn ? "On" : "Off";
    writeBool(kSettingsSection, kSoundKey, s_.soundOn);
    commitWrites();
    return true;
}

bool Table::showStats() {
    view_.stats.handsPlayed = std::to_string(s_.handsPlayed);
    view_.stats.handsWon = std::to_string(s_.handsWon);
    view_.stats.showdowns = std::to_string(s_.showdownCount);
    return true;
}

bool Table::resetStats() {
    beginAction();
    s_.showdownCount = 0;
    s_.handsPlayed = 0;
    s_.handsWon = 0;
    view_.stats.handsPlayed = "0";
    view_.stats.handsWon = "0";
    view_.stats.showdowns = "0";
    writeStats();
    commitWrites();
    return true;
}

}  // namespace trelvist
