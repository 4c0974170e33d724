// The options panel and the statistics and rules windows.
#include <algorithm>

#include "game/saturate.h"
#include "game/seats.h"
#include "game/table.h"
#include "game/whole_number.h"
#include "settings/game_keys.h"

namespace trelvist {

namespace {

constexpr std::size_t kEditBoxLength = 6;
constexpr int32_t kLowestAccepted = 100;
constexpr int32_t kHighestAccepted = 1000000;

// The edit boxes keep at most six characters (not bytes) of what is typed.
std::string cutToBox(const std::string& text) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && ++characters > kEditBoxLength) return text.substr(0, i);
    }
    return text;
}

}  // namespace

bool Table::Options1Click() {
    display_.panel.visible = !display_.panel.visible;
    return true;
}

bool Table::CloseClick() {
    if (!display_.panel.visible) return false;
    display_.panel.visible = false;
    return true;
}

bool Table::setMoneyText(const std::string& text) {
    if (!display_.panel.visible) return false;
    display_.panel.money = cutToBox(text);
    return true;
}

bool Table::setUntilText(const std::string& text) {
    if (!display_.panel.visible) return false;
    display_.panel.until = cutToBox(text);
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

bool Table::enterClick() {
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
    commitWrites();
    return true;
}

bool Table::unenterClick() {
    if (!display_.panel.visible) return false;
    beginAction();
    int32_t value = 0;
    if (!acceptedNumber(host_, display_.panel.until, value)) return true;
    s_.playUntil = value;
    host_.showMessage("", "New until value confirmation");
    writeInt(kCashSection, kUntilKey, value);
    commitWrites();
    return true;
}

// Every press runs, also one that cannot move the position past either end.
bool Table::betchange(bool rightArrow) {
    if (!display_.panel.visible) return false;
    beginAction();
    PanelDisplay& panel = display_.panel;
    panel.upDown1 = std::clamp(panel.upDown1 + (rightArrow ? 1 : -1), 1, 5);
    s_.smallBet = 2 * panel.upDown1;
    s_.bigBet = 4 * panel.upDown1;
    panel.label3 = std::to_string(s_.smallBet);
    panel.label4 = std::to_string(s_.bigBet);
    writeInt(kBetSection, kSmallKey, s_.smallBet);
    writeInt(kBetSection, kBigKey, s_.bigBet);
    commitWrites();
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

bool Table::Changeback(int item) {
    if (!display_.panel.visible || item < 0 || item > 7) return false;
    beginAction();
    selectCardBack(item);
    commitWrites();
    return true;
}

bool Table::LevelsClick(int item) {
    if (!display_.panel.visible || item < 0 || item > 3) return false;
    beginAction();
    selectLevel(item);
    commitWrites();
    return true;
}

bool Table::SoundOff1Click() {
    if (!display_.panel.visible) return false;
    beginAction();
    s_.soundOn = !s_.soundOn;
    display_.panel.soundOff1 = s_.soundOn ? "On" : "Off";
    writeBool(kSettingsSection, kSoundKey, s_.soundOn);
    commitWrites();
    return true;
}

bool Table::Stats1Click() {
    display_.lblhandsplayed = std::to_string(s_.handsPlayed);
    display_.lblhandswon = std::to_string(s_.handsWon);
    display_.lblshowdowns = std::to_string(s_.showdownCount);
    statsWindowOpen_ = true;
    host_.showWindow(ModalWindow::Stats);
    statsWindowOpen_ = false;
    return true;
}

bool Table::dxButton2Click() {
    if (!statsWindowOpen_) return false;
    beginAction();
    s_.showdownCount = 0;
    s_.handsPlayed = 0;
    s_.handsWon = 0;
    display_.lblhandsplayed = "0";
    display_.lblhandswon = "0";
    display_.lblshowdowns = "0";
    writeStats();
    commitWrites();
    return true;
}

bool Table::aboutbox() {
    host_.showWindow(ModalWindow::Rules);
    return true;
}

}  // namespace trelvist
