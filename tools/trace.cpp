#include "tools/trace.h"

#include <array>

namespace trelvist::tools {
namespace {

using nlohmann::ordered_json;

// Seats are named by their key under Cash in the settings file, indexed by seat number.
constexpr std::array<const char*, kSeatSlots> kSeatKey{
    "", "robot", "expert", "pinhead", "champ", "master", "geek", "freak", "player"};

// One entry per seat, in the order of play starting with the human.
template <class Seats, class Value>
ordered_json bySeat(const Seats& seats, Value value) {
    ordered_json object = ordered_json::object();
    for (int seat : seats) object[kSeatKey[seat]] = value(seat);
    return object;
}

ordered_json pictures(const Deck& deck) {
    ordered_json list = ordered_json::array();
    for (const Card& card : deck) list.push_back(picture(card));
    return list;
}

ordered_json button(const ButtonView& b) { return {{"caption", b.caption}, {"enabled", b.enabled}}; }

ordered_json placed(const PlacedText& label) { return {{"text", label.text}, {"left", label.left}}; }

}  // namespace

ordered_json stateJson(const TableState& s, const OddsRoutine& odds) {
    ordered_json board = ordered_json::array();
    for (const Card& card : s.board()) board.push_back(picture(card));
    return {
        {"street", s.street}, {"blindSeat", s.blindSeat}, {"openerSeat", s.openerSeat}, {"seatsOut", s.seatsOut},
        {"pot", s.pot}, {"toCall", s.toCall}, {"raiseAmount", s.raiseAmount},
        {"potSettled", s.potSettled}, {"uncontested", s.uncontested},
        {"smallBet", s.smallBet}, {"bigBet", s.bigBet}, {"smallBlind", s.smallBlind}, {"bigBlind", s.bigBlind},
        {"initialCash", s.initialCash}, {"playUntil", s.playUntil},
        {"handsPlayed", s.handsPlayed}, {"handsWon", s.handsWon}, {"showdownCount", s.showdownCount},
        {"soundOn", s.soundOn}, {"aiLevel", s.aiLevel}, {"cardBack", s.cardBack}, {"strength", odds.strength()},
        {"cash", bySeat(kSeatOrder, [&](int seat) { return s.cash[seat]; })},
        {"folded", bySeat(kSeatOrder, [&](int seat) { return s.folded[seat]; })},
        {"raised", bySeat(kOpponents, [&](int seat) { return s.raised[seat]; })},
        {"hole", bySeat(kSeatOrder, [&](int seat) {
             return ordered_json::array({picture(s.hole(seat)[0]), picture(s.hole(seat)[1])});
         })},
        {"board", board},
        {"deck", pictures(s.deck)},
        {"oddsDeck", pictures(s.oddsDeck)},
    };
}

ordered_json viewJson(const TableView& v) {
    const PanelView& p = v.panel;
    return {
        {"status", bySeat(kSeatOrder, [&](int seat) {
             const StatusLabel& label = v.seats[seat].status;
             return ordered_json{{"text", label.text},
                                 {"color", label.color == LabelColor::Yellow ? "yellow" : "white"},
                                 {"italic", label.italic}};
         })},
        {"cashLabel", bySeat(kSeatOrder, [&](int seat) { return v.seats[seat].cash; })},
        {"betsize", v.pot},
        {"theresult", placed(v.result)},
        {"buttons", {{"btnnew", button(v.deal)}, {"btnstay", button(v.checkOrCall)},
                     {"btnbet", button(v.raise)}, {"btnpass", button(v.fold)}}},
        {"panel", {{"visible", p.visible}, {"money", p.initialCashText}, {"until", p.playUntilText},
                   {"Label3", p.smallBetText}, {"Label4", p.bigBetText}, {"SoundOff1", p.soundText},
                   {"cardbacks", p.cardBackItem}, {"Levels", p.levelItem}, {"UpDown1", p.limitsStep}}},
        {"prob", placed(v.oddsRating)},
        {"statsLabels", {{"lblhandsplayed", v.stats.handsPlayed}, {"lblhandswon", v.stats.handsWon},
                         {"lblshowdowns", v.stats.showdowns}}},
    };
}

}  // namespace trelvist::tools
