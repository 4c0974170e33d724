// The end of a hand: the showdown among the seats still in, or the all-out win.
#include <algorithm>
#include <string>

#include "game/evaluator.h"
#include "game/saturate.h"
#include "game/seats.h"
#include "game/table.h"

namespace trelvist {

namespace {

// Seats out of the comparison get fixed entries below every real score, distinct so that
// two of them never tie.
constexpr std::array<int32_t, kSeatSlots> kExcluded{0, -195, -165, -115, -110, -170, -120, -150, -180};

int resultLeft(int width, int current) {
    if (width == 6) return 462;
    if (width == 7 || width == 8) return 452;
    if (width == 9 || width == 10) return 445;
    if (width > 10) return 430;
    return current;
}

}  // namespace

void Table::finishHandButtons() {
    s_.canDeal = true;
    enableActions(false);
}

void Table::showdown() {
    whitenStatuses();
    std::array<int32_t, kSeatSlots> value{};  // the hand's category and ranks
    std::array<int32_t, kSeatSlots> entry{};
    std::array<int32_t, kSeatSlots> score{};
    std::array<Card, 7> slot{};
    for (int i = 0; i < 5; ++i) slot[2 + i] = s_.board()[i];
    for (int seat : kSeatOrder) {
        slot[0] = s_.hole(seat)[0];
        slot[1] = s_.hole(seat)[1];
        const HandScore hand = evaluateHand(slot.data());
        value[seat] = hand.handValue;
        entry[seat] = hand.handValue;
        score[seat] = showdownScore(hand);
    }
    layCards();
    std::array<bool, kSeatSlots> takesPart{};
    for (int seat : kSeatOrder) {
        takesPart[seat] = !s_.folded[seat] && s_.cash[seat] >= 1;
        if (takesPart[seat])
            setStatus(seat, handName(entry[seat]));
        else
            entry[seat] = kExcluded[seat];
    }
    if (s_.uncontested)
        for (int seat : kSeatOrder) setStatus(seat, "");
    int32_t best = INT32_MIN;
    for (int seat : kSeatOrder) {
        if (entry[seat] > 0) entry[seat] = score[seat];
        best = std::max(best, entry[seat]);
    }

    std::string text;
    int width = 0;
    int winners = 0;
    for (int seat : kSeatOrder) {
        if (entry[seat] != best) continue;
        view_.seats[seat].status.italic = true;
        setStatusColor(seat, LabelColor::Yellow);
        ++winners;
        const std::string piece = seat == You ? "You "
                                  : width == 0 ? std::string(kSeatName[seat]) + " "
                                               : ", " + std::string(kSeatName[seat]) + " ";
        text += piece;
        width += static_cast<int>(piece.size()) + 2;
    }
    const bool youWin = entry[You] == best;
    text += !youWin && width < 12 ? "wins" : "win";
    view_.result.left = resultLeft(width, view_.result.left);
    view_.result.text = text;

    const bool paying = !s_.potSettled && s_.seatsOut != 7;
    if (paying) {
        s_.potSettled = true;
        writeStats();
        // The hands are told before the chips move, as they are shown; a single seat left
        // after the human's fold takes the pot unseen.
        if (!s_.uncontested)
            for (int seat : kSeatOrder)
                if (takesPart[seat]) observers_.showedDown(seat, {s_.hole(seat)[0], s_.hole(seat)[1]}, handName(value[seat]));
        if (!s_.folded[You]) addTo(s_.showdownCount, 1);
        addTo(s_.handsPlayed, 1);
        // When no seat takes part the placeholders name a winner, but nobody is paid.
        if (best > 0) {
            const int32_t share = s_.pot / winners;  // the odd chip is lost
            if (youWin) {
                addTo(s_.cash[You], share);
                addTo(s_.handsWon, 1);
                observers_.potPaid(You, share);
            }
            for (int seat : kOpponents) {
                if (entry[seat] != best) continue;
                addTo(s_.cash[seat], share);
                observers_.potPaid(seat, share);
            }
        }
        if (s_.soundOn) host_.playSound("chip4.wav");
        // The hand's counts are stored at once too, rather than only at the next deal.
        writeCash();
        writeStats();
    }
    for (int seat : {Freak, Geek, Master, Champ, Pinhead, Expert, Robot, You}) showCash(seat);
    finishHandButtons();
    if (paying) observers_.handEnded(s_.pot, text);

    const int64_t target = int64_t{s_.initialCash} + s_.playUntil;
    for (int seat : kSeatOrder) {
        if (s_.cash[seat] >= target) {
            gameOver(seat == You ? "You win!" : std::string(kSeatName[seat]) + " wins");
            s_.canDeal = false;
        }
    }
}

// Once per hand: every opponent is out and the human takes the pot without a showdown.
void Table::declareAllOutWin() {
    if (s_.allOutDeclared) return;
    s_.allOutDeclared = true;
    allOutWin();
}

void Table::allOutWin() {
    for (int seat : kOpponents) {
        if (s_.cash[seat] <= 0) continue;
        clearSeatCards(seat);
        setStatus(seat, "Folds");
        s_.folded[seat] = true;
    }
    finishHandButtons();
    view_.result.left = 462;
    view_.result.text = "You win";
    addTo(s_.cash[You], s_.pot);
    observers_.potPaid(You, s_.pot);
    showCash(You);
    if (s_.soundOn) host_.playSound("chip4.wav");
    observers_.handEnded(s_.pot, view_.result.text);
    if (int64_t{s_.cash[You]} >= int64_t{s_.initialCash} + s_.playUntil) {
        gameOver("You win!");
        s_.canDeal = false;
    }
    addTo(s_.handsPlayed, 1);
    addTo(s_.handsWon, 1);
    writeCash();
    writeStats();
}

}  // namespace trelvist
