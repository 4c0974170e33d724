#pragma once
// Fixed facts about the seats: names and the irregular answer orders.
#include <array>
#include <span>

#include "game/cards.h"

namespace trelvist {

// Names as the result label spells them, by seat number.
constexpr std::array<const char*, kSeatSlots> kSeatName{
    "", "Robot", "Expert", "Pinhead", "Champ", "Master", "Geek", "Freak", "You"};

// Who answers an opponent's raise when the human calls it on the flop, turn or river, and
// when the human folds against it. The order is not the order of play everywhere: after
// Pinhead's raise Champ answers before Master.
inline std::span<const int> laterStreetAnswerers(int raiser) {
    static constexpr int kNone[1] = {0};
    static constexpr int kGeek[] = {Freak};
    static constexpr int kMaster[] = {Freak, Geek};
    static constexpr int kChamp[] = {Freak, Geek, Master};
    static constexpr int kPinhead[] = {Freak, Geek, Champ, Master};
    static constexpr int kExpert[] = {Freak, Geek, Champ, Master, Pinhead};
    static constexpr int kRobot[] = {Freak, Geek, Champ, Master, Pinhead, Expert};
    switch (raiser) {
        case Geek: return kGeek;
        case Master: return kMaster;
        case Champ: return kChamp;
        case Pinhead: return kPinhead;
        case Expert: return kExpert;
        case Robot: return kRobot;
        default: return std::span<const int>(kNone, 0);  // Freak's raise: nobody before it
    }
}

}  // namespace trelvist
