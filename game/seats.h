#pragma once
// Fixed facts about the seats: names, places on the table, and the irregular answer orders.
#include <array>
#include <span>

#include "game/cards.h"
#include "game/host.h"

namespace trelvist {

// Names as the result label spells them, by seat number.
constexpr std::array<const char*, kSeatSlots> kSeatName{
    "", "Robot", "Expert", "Pinhead", "Champ", "Master", "Geek", "Freak", "You"};

// Top-left corner of each seat's first hole card; the second is offset by the step.
struct CardPlace {
    int x, y, dx, dy;
};
constexpr std::array<CardPlace, kSeatSlots> kHolePlace{{
    {0, 0, 0, 0},
    {797, 335, 30, 13},  // Robot
    {797, 100, 30, 13},  // Expert
    {627, 100, 30, 13},  // Pinhead
    {457, 100, 30, 13},  // Champ
    {287, 100, 30, 13},  // Master
    {117, 100, 30, 13},  // Geek
    {117, 335, 30, 13},  // Freak
    {450, 448, 40, 13},  // You
}};

// The area a seat's fold wipes back to the felt.
constexpr std::array<Rect, kSeatSlots> kCardArea{{
    {0, 0, 0, 0},
    {780, 335, 900, 445},  // Robot
    {780, 100, 900, 220},  // Expert
    {620, 100, 730, 220},  // Pinhead
    {450, 100, 560, 220},  // Champ
    {280, 100, 390, 220},  // Master
    {110, 100, 220, 220},  // Geek
    {110, 335, 220, 445},  // Freak
    {450, 448, 561, 557},  // You
}};

constexpr Rect kBoardArea{320, 243, 700, 360};

// The board: flop, flop, flop, turn, river, a shallow wave.
struct Point {
    int x, y;
};
constexpr std::array<Point, 5> kBoardPlace{{{320, 243}, {395, 253}, {470, 263}, {545, 253}, {620, 243}}};

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
