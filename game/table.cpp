// The table's shared small steps: labels, payments, sounds and settings writes.
#include "game/table.h"

#include <stdexcept>
#include <string>

#include "game/saturate.h"
#include "game/seats.h"
#include "settings/game_keys.h"

namespace trelvist {

Table::Table(Host& host, SettingsStore& settings) : host_(host), settings_(settings) {
    for (int seat : kSeatOrder) view_.seats[seat].name = kSeatName[seat];
    for (int seat : kOpponents) {
        strategies_[seat] = makeStrategy(kStyleNames[0], strategyTools());
        view_.seats[seat].style = kStyleNames[0];
    }
}

void Table::setStrategy(int seat, std::unique_ptr<SeatStrategy> strategy) {
    if (seat < Robot || seat > Freak || !strategy) throw std::invalid_argument("no strategy for that seat");
    strategies_[seat] = std::move(strategy);
}

SeatContext Table::contextFor(int seat) const {
    SeatContext context;
    context.seat = seat;
    context.hole = s_.holes[seat];
    context.board = std::span<const Card>(s_.board()).first(s_.boardShown());
    context.street = s_.street;
    context.pot = s_.pot;
    context.toPay = s_.toCall;
    context.smallBet = s_.smallBet;
    context.bigBet = s_.bigBet;
    for (int other : kSeatOrder) context.inHand[other] = s_.live(other);
    context.seatsOut = s_.seatsOut;
    context.cash = s_.cash;
    context.level = s_.aiLevel;
    context.actions = actions_;
    return context;
}

void Table::act(int seat, Move move, int32_t amount) {
    actions_.push_back({seat, s_.street, move, amount, false});
    observers_.acted(seat, move, amount);
}

void Table::pay(int seat, int64_t amount) {
    addTo(s_.cash[seat], -amount);
    addTo(s_.pot, amount);
}

void Table::showCash(int seat) { view_.seats[seat].cash = std::to_string(s_.cash[seat]); }

void Table::showAllCash() {
    for (int seat : kSeatOrder) showCash(seat);
}

void Table::showPot() { view_.pot = std::to_string(s_.pot); }

void Table::setStatus(int seat, std::string_view text) { view_.seats[seat].status.text = text; }

void Table::setStatusColor(int seat, LabelColor color) { view_.seats[seat].status.color = color; }

void Table::whitenStatuses() {
    for (int seat : kSeatOrder) setStatusColor(seat, LabelColor::White);
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
    s_.canAct = enabled;
    s_.canRaise = enabled;
}

void Table::beginAction() {
    actionWrote_ = false;
    actionRefused_ = false;
}

void Table::refused(const SettingsWriteError& error) {
    if (actionRefused_) return;
    actionRefused_ = true;
    host_.reportError(error.what());
}

void Table::commitWrites() {
    if (!actionWrote_) return;
    if (!actionRefused_) {
        try {
            settings_.commit();
            return;
        } catch (const SettingsWriteError& error) {
            refused(error);
        }
    }
    // The file keeps the state before the action; the store keeps the action for a later commit.
    settings_.holdBack();
}

void Table::writeInt(const char* section, const char* key, int32_t value) {
    actionWrote_ = true;
    try {
        settings_.writeInt(section, key, value);
    } catch (const SettingsWriteError& error) {
        refused(error);
    }
}

void Table::writeBool(const char* section, const char* key, bool value) {
    actionWrote_ = true;
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

void Table::writeCash() {
    for (int seat : kCashKeyOrder) writeInt(kCashSection, cashKey(seat), s_.cash[seat]);
}

}  // namespace trelvist
