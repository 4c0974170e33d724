// Start-up and New game.
#include <algorithm>

#include "game/saturate.h"
#include "game/seats.h"
#include "game/table.h"
#include "game/whole_number.h"
#include "settings/game_keys.h"

namespace trelvist {

void Table::loadStoredGame() {
    const StoredGame stored = readStoredGame(settings_);
    s_.soundOn = stored.soundOn;
    view_.panel.soundText = s_.soundOn ? "On" : "Off";
    s_.showdownCount = stored.showdownCount;
    s_.handsPlayed = stored.handsPlayed;
    s_.handsWon = stored.handsWon;
    for (int seat : kSeatOrder) s_.cash[seat] = stored.cash[seat];
    s_.playUntil = stored.playUntil;
    s_.initialCash = stored.initialCash;
    s_.cardBack = stored.cardBack;
    s_.aiLevel = stored.aiLevel;
    s_.smallBet = stored.smallBet;
    s_.bigBet = stored.bigBet;
    lineup_ = lineupFromStored(settings_.readInt(kOpponentsSection, kLineupKey, 0));
    view_.panel.lineupItem = static_cast<int>(lineup_);
    if (lineup_ == Lineup::PerSeat)
        for (size_t i = 0; i < kOpponents.size(); ++i)
            pickedStyles_[i] = styleFromStored(settings_.readInt(kOpponentsSection, cashKey(kOpponents[i]), 0));
    if (lineup_ != Lineup::Classic) seatLineup();
}

// Selecting the stored back and level in their groups runs the same operations as clicks.
void Table::fillPanel() {
    selectCardBack(std::min(s_.cardBack - kFirstBack, 7));
    for (int item = 0; item < 4; ++item)
        if (kLevelValues[item] == s_.aiLevel) selectLevel(item);
    view_.panel.initialCashText = std::to_string(s_.initialCash);
    view_.panel.playUntilText = std::to_string(s_.playUntil);
}

void Table::startUp() {
    beginAction();
    view_.result.left = 460;
    s_.potSettled = false;
    s_.canDeal = false;
    view_.panel.visible = false;
    s_.openerSeat = 1;

    loadStoredGame();
    fillPanel();

    rng_.seed(host_.clock());
    s_.folded = {};
    s_.raised = {};
    s_.seatsOut = 0;
    s_.street = 1;
    s_.allOutDeclared = false;
    fillDeck(s_.deck);
    fillDeck(s_.oddsDeck);

    s_.blindSeat = 1;
    s_.openerSeat = 1;
    view_.panel.smallBetText = std::to_string(s_.smallBet);
    view_.panel.bigBetText = std::to_string(s_.bigBet);
    for (int seat : kOpponents) setStatus(seat, "");

    prepareHand(kSeatOrder);
    postFirstBlinds();
    commitWrites();
}

// Start-up deals to a stored position, so its blinds skip the seats without chips.
void Table::postFirstBlinds() {
    int small = 0;
    for (int seat : {Expert, Robot, You, Freak, Geek, Master, Champ, Pinhead}) {
        if (s_.cash[seat] > 0) {
            small = seat;
            break;
        }
    }
    if (small == 0) return gameOverAtStart();
    setStatus(small, "Small Blind");
    postBlind(small, false);
    showCash(small);
    s_.blindSeat = seatAfter(small);

    // The small blind may have emptied the only seat with chips: look at each seat once.
    int big = s_.blindSeat;
    int looked = 0;
    while (s_.cash[big] <= 0 && ++looked < 8) big = seatAfter(big);
    if (s_.cash[big] <= 0) return gameOverAtStart();
    setStatus(big, "Big Blind");
    postBlind(big, true);
    showCash(big);
    showPot();
    s_.openerSeat = big;
    answerAndAct(big);
}

// No seat holds chips: there is no hand to deal.
void Table::gameOverAtStart() {
    gameOver("You lose!");
    s_.canDeal = false;
    enableActions(false);
}

bool Table::newGame() {
    beginAction();
    rng_.seed(host_.clock());
    if (!host_.askYesNo("New game", "Are you sure?")) return true;
    if (lineup_ == Lineup::Random) seatLineup();
    whitenStatuses();

    int32_t v = 0;
    if (!parseWholeNumber(view_.panel.initialCashText, v)) {
        host_.reportError("'" + view_.panel.initialCashText + "' is not a valid integer value");
        return true;
    }
    for (int seat : kSeatOrder) s_.cash[seat] = v;
    s_.initialCash = v;

    setStatus(You, "");
    view_.result.text.clear();
    s_.raised = {};
    s_.folded = {};
    s_.street = 1;
    s_.seatsOut = 0;
    s_.openerSeat = 1;
    s_.blindSeat = 1;
    s_.allOutDeclared = false;

    s_.canDeal = false;
    enableActions(true);
    clearBoard();
    for (int seat : kOpponents) setStatus(seat, "");

    prepareHand(kSeatOrder);

    // The blinds of a new game are always Expert's and Robot's; nobody acts before the human.
    setStatus(Pinhead, "");
    setStatus(Expert, "Small Blind");
    postBlind(Expert, false);
    setStatus(Robot, "Big Blind");
    postBlind(Robot, true);
    showCash(Expert);
    showCash(Robot);
    showPot();
    setRaiser(Robot);
    return true;
}

}  // namespace trelvist
