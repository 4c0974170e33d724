// The table's shared small steps: labels, payments, sounds and settings writes.
#include "game/table.h"

#include <string>

#include "game/saturate.h"
#include "game/seats.h"
#include "settings/game_keys.h"

namespace trelvist {

Table::Table(Host& host, SettingsStore& settings) : host_(host), settings_(settings) {}

void Table::pay(int seat, int64_t amount) {
    addTo(s_.cash[seat], -amount);
    addTo(s_.pot, amount);
}

void Table::showCash(int seat) { display_.cashLabel[seat] = std::to_string(s_.cash[seat]); }

void Table::showAllCash() {
    for (int seat : kSeatOrder) showCash(seat);
}

void Table::showPot() { display_.betsize = std::to_string(s_.pot); }

void Table::setStatus(int seat, std::string_view text) { display_.status[seat].text = text; }

void Table::setStatusColor(int seat, LabelColor color) { display_.status[seat].color = color; }

void Table::whitenStatuses() {
    for (int seat : kSeatOrder) setStatusColor(seat, LabelColor::White);
}

void Table::eraseSeatCards(int seat) { host_.eraseArea(kCardArea[seat]); }

void Table::copyHoleToSubject(int seat) {
    s_.subject()[0] = s_.hole(seat)[0];
    s_.subject()[1] = s_.hole(seat)[1];
}

void Table::chipSound() {
    if (!s_.soundOn) return;
    const int r = rng_.below(100);
    host_.playSound(r > 70 ? "chip1.wav" : r > 40 ? "chip2.wav" : "chip3.wav");
}

void Table::cardSound() {
    if (!s_.soundOn || s_.street >= 5) return;
    host_.playSound(rng_.below(100) > 50 ? "card1.wav" : "card2.wav");
}

void Table::enableActions(bool enabled) {
    display_.btnstay.enabled = enabled;
    display_.btnbet.enabled = enabled;
    display_.btnpass.enabled = enabled;
}

void Table::beginAction() { writeErrorReported_ = false; }

void Table::refused(const SettingsWriteError& error) {
    if (!writeErrorReported_) {
        writeErrorReported_ = true;
        host_.reportError(error.what());
    }
    if (dealInProgress_) throw DealStopped{};
}

void Table::commitWrites() {
    try {
        settings_.commit();
    } catch (const SettingsWriteError& error) {
        refused(error);
    }
}

bool Table::writeInt(const char* section, const char* key, int32_t value) {
    try {
        settings_.writeInt(section, key, value);
        return true;
    } catch (const SettingsWriteError& error) {
        refused(error);
        return false;
    }
}

void Table::writeBool(const char* section, const char* key, bool value) {
    try {
        settings_.writeBool(section, key, value);
    } catch (const SettingsWriteError& error) {
        refused(error);
    }
}

void Table::writeStats() {
    writeInt(kStatsSection, kShowdownsKey, s_.showdownCount);
    writeInt(kStatsSection, kHandsPlayedKey, s_.handsPlayed);
    writeInt(kStatsSection, kHandsWonKey, s_.handsWon);
}

bool Table::writeCash() {
    bool accepted = true;
    for (int seat : kCashKeyOrder) accepted = writeInt(kCashSection, cashKey(seat), s_.cash[seat]) && accepted;
    return accepted;
}

}  // namespace trelvist
