// The options panel and the statistics and rules windows.
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
    display_.panel.visible = !display_.panel.visible;
    return true;
}

bool Table::closeOptions() {
    if (!display_.panel.visible) return false;
    display_.panel.visible = false;
    return true;
}

bool Table::typeInitialCash(const std::string& text) {
    if (!display_.panel.visible) return false;
    display_.panel.money = firstCharacters(text, kEditBoxLength);
    return true;
}

bool Table::typePlayUntil(const std::string& text) {
    if (!display_.panel.visible) return false;
    display_.panel.until = firstCharacters(text, kEditBoxLength);
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
    if (!display_.panel.visible) return false;
    beginAction();
    int32_t value = 0;
    if (!acceptedNumber(host_, display_.panel.money, value)) return true;
    s_.initialCash = value;
    host_.showMessage("", "New initial cash value confirmation");
    writeInt(kCashSection, kInitialKey, value);
    // The seats' new cash reaches the file at the next deal; a hand in progress goes on.
    for (int seat : {Freak, You, Geek, Master, Champ, Pinhead, Expert, Robot}) {
        s_.cash[seat] = value;
        showCash(seat);
    }
    observer_->cashSet(value);
    return true;
}

bool Table::enterPlayUntil() {
    if (!display_.panel.visible) return false;
    beginAction();
    int32_t value = 0;
    if (!acceptedNumber(host_, display_.panel.until, value)) return true;
    s_.playUntil = value;
    host_.showMessage("", "New until value confirmation");
    writeInt(kCashSection, kUntilKey, value);
    return true;
}

// Every press runs, also one that cannot move the position past either end.
bool Table::stepLimits(bool up) {
    if (!display_.panel.visible) return false;
    beginAction();
    PanelDisplay& panel = display_.panel;
    panel.upDown1 = std::clamp(panel.upDown1 + (up ? 1 : -1), 1, 5);
    s_.smallBet = 2 * panel.upDown1;
    s_.bigBet = 4 * panel.upDown1;
    panel.label3 = std::to_string(s_.smallBet);
    panel.label4 = std::to_string(s_.bigBet);
    writeInt(kBetSection, kSmallKey, s_.smallBet);
    writeInt(kBetSection, kBigKey, s_.bigBet);
    return true;
}

void Table::selectCardBack(int item) {
    display_.panel.cardbacks = item;
    s_.cardBack = kFirstBack + item;
    drawTable();
    writeInt(kCardSection, kBackKey, s_.cardBack);
}

void Table::selectLevel(int item) {
    display_.panel.levels = item;
    s_.aiLevel = kLevelValues[item];
    writeInt(kLevelsSection, kCompKey, s_.aiLevel);
}

bool Table::chooseCardBack(int item) {
    if (!display_.panel.visible || item < 0 || item > 7) return false;
    beginAction();
    selectCardBack(item);
    return true;
}

bool Table::chooseLevel(int item) {
    if (!display_.panel.visible || item < 0 || item > 3) return false;
    beginAction();
    selectLevel(item);
    return true;
}

bool Table::toggleSound() {
    if (!display_.panel.visible) return false;
    beginAction();
    s_.soundOn = !s_.soundOn;
    display_.panel.soundOff1 = s_.soundOn ? "On" : "Off";
    writeBool(kSettingsSection, kSoundKey, s_.soundOn);
    return true;
}

bool Table::showStats() {
    display_.lblhandsplayed = std::to_string(s_.handsPlayed);
    display_.lblhandswon = std::to_string(s_.handsWon);
    display_.lblshowdowns = std::to_string(s_.showdownCount);
    statsWindowOpen_ = true;
    host_.showWindow(ModalWindow::Stats);
    statsWindowOpen_ = false;
    return true;
}

bool Table::resetStats() {
    if (!statsWindowOpen_) return false;
    beginAction();
    s_.showdownCount = 0;
    s_.handsPlayed = 0;
    s_.handsWon = 0;
    display_.lblhandsplayed = "0";
    display_.lblhandswon = "0";
    display_.lblshowdowns = "0";
    writeStats();
    return true;
}

bool Table::showRules() {
    host_.showWindow(ModalWindow::Rules);
    return true;
}

}  // namespace trelvist
