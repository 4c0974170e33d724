#pragma once
// A table driven without a window for the engine tests: a rig that prepares positions and
// scripts the generator's draws, and readable views of what the table did, showed and holds.
// Card places come from ui/table_geometry.h; the hand-written traces (tests/tools) and the redraw
// test of the deal check those numbers themselves.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "game/seats.h"
#include "game/table.h"
#include "tests/support/test_host.h"
#include "ui/table_geometry.h"

namespace trelvist::testing {

// "As", "Td", "2c": rank 2..A, suit c d h s.
inline Card card(std::string_view text) {
    constexpr std::string_view kRankChars = "23456789TJQKA", kSuitChars = "cdhs";
    return Card{int32_t(kSuitChars.find(text[1])), int32_t(kRankChars.find(text[0]))};
}

// The deal hands out deck positions 0 to 15 two by two in this seat order, the board from 20 on.
constexpr std::array<int, 8> kDealOrder{Freak, You, Geek, Master, Champ, Pinhead, Expert, Robot};
constexpr int kFirstBoardPosition = 20;
// Both shuffles of a deal: 5001 swaps of the odds deck, then 20001 of the deck, two draws each.
constexpr uint64_t kShuffleDraws = 2 * (5001 + 20001);

// Hole cards whose pre-flop adjustment is 0 and which earn no strong-start bonus with the
// board below: every opponent then decides on exactly the strength the test sets.
inline const std::map<int, std::array<const char*, 2>> kNeutralHoles{
    {You, {"8d", "6c"}},   {Freak, {"8c", "6d"}},  {Geek, {"9c", "7d"}},  {Master, {"9d", "7c"}},
    {Champ, {"8h", "6s"}}, {Pinhead, {"9h", "7s"}}, {Expert, {"Tc", "6h"}}, {Robot, {"Td", "7h"}},
};
inline const std::array<const char*, 5> kNeutralBoard{"2s", "3h", "Jc", "Kd", "4s"};

// Refuses every write from the given attempt on (1 is the first), as a disk that fills up
// would; counts the attempts, the refused ones included.
class FillingStore : public MemoryStore {
public:
    int refuseFrom = INT_MAX;
    std::string refusedKey;              // "Section/key"
    std::vector<std::string> attempted;  // "Section/key" of every write tried

    void writeInt(const std::string& section, const std::string& key, int32_t value) override {
        attempted.push_back(section + "/" + key);
        refuse = static_cast<int>(attempted.size()) >= refuseFrom || attempted.back() == refusedKey;
        MemoryStore::writeInt(section, key, value);
    }
    void acceptAll() {
        refuseFrom = INT_MAX;
        refuse = false;
    }
};

inline const std::string kRefusal = "Unable to write to /test/trelvist.ini";

using Writes = std::vector<std::pair<std::string, int32_t>>;
// Statuses in seat order You, Freak, Geek, Master, Champ, Pinhead, Expert, Robot.
using Statuses = std::vector<std::string>;

// ---- Views of host events.

inline std::string describe(const HostEvent& e) {
    const auto& n = e.numbers;
    switch (e.kind) {
        case HostEvent::Felt: return "felt";
        case HostEvent::Erase:
            return "erase " + std::to_string(n[0]) + " " + std::to_string(n[1]) + " " + std::to_string(n[2]) + " " +
                   std::to_string(n[3]);
        case HostEvent::Draw:
            return "draw " + std::to_string(n[0]) + " at " + std::to_string(n[1]) + " " + std::to_string(n[2]);
        case HostEvent::Trim:
            return "trim " + std::to_string(n[0]) + " " + std::to_string(n[1]) + (n[2] ? " keep" : "");
        case HostEvent::Sound: return "sound " + e.text;
        case HostEvent::Message: return "message " + e.caption + ": " + e.text;
        case HostEvent::Ask: return "ask " + e.caption + ": " + e.text;
        case HostEvent::Error: return "error " + e.text;
    }
    return "?";
}

inline std::vector<std::string> describeAll(const std::vector<HostEvent>& events) {
    std::vector<std::string> out;
    for (const HostEvent& e : events) out.push_back(describe(e));
    return out;
}

inline std::vector<std::string> drawsOnly(const std::vector<HostEvent>& events) {
    std::vector<std::string> out;
    for (const HostEvent& e : events)
        if (e.kind == HostEvent::Draw || e.kind == HostEvent::Trim) out.push_back(describe(e));
    return out;
}

inline int countKind(const std::vector<HostEvent>& events, HostEvent::Kind kind) {
    int n = 0;
    for (const HostEvent& e : events) n += e.kind == kind;
    return n;
}

inline const std::string kBoardErase = "erase 320 243 700 360";

// A pre-flop redraw: the first cards across the table, then the second ones; the human's face
// up, a back for every other live seat, nothing for a seat out of the hand and no board.
inline std::vector<std::string> preflopDraws(const TableState& s) {
    std::vector<std::string> out;
    for (int c = 0; c < 2; ++c) {
        for (int seat : kSeatOrder) {
            if (!s.live(seat)) continue;
            const ui::CardPlace& p = ui::kHolePlace[seat];
            const int x = p.x + c * p.dx, y = p.y + c * p.dy;
            const int pic = seat == You ? picture(s.hole(You)[c]) : s.cardBack;
            out.push_back("draw " + std::to_string(pic) + " at " + std::to_string(x) + " " + std::to_string(y));
            out.push_back("trim " + std::to_string(x) + " " + std::to_string(y) + (c == 1 ? " keep" : ""));
        }
    }
    return out;
}

// ---- Views of the table's view and state, one line per item, so that two of them compare with a
// readable difference.

inline std::vector<std::string> lines(const TableView& v) {
    std::vector<std::string> out;
    const auto button = [](const ButtonView& b) { return b.caption + (b.enabled ? " enabled" : " disabled"); };
    for (int seat : kSeatOrder) {
        const StatusLabel& l = v.seats[seat].status;
        out.push_back("status " + std::to_string(seat) + " '" + l.text + "'" +
                      (l.color == LabelColor::Yellow ? " yellow" : " white") + (l.italic ? " italic" : ""));
        out.push_back("cash " + std::to_string(seat) + " " + v.seats[seat].cash);
    }
    out.push_back("pot " + v.pot);
    out.push_back("result '" + v.result.text + "' at " + std::to_string(v.result.left));
    out.push_back("deal " + button(v.deal));
    out.push_back("check or call " + button(v.checkOrCall));
    out.push_back("raise " + button(v.raise));
    out.push_back("fold " + button(v.fold));
    const PanelView& p = v.panel;
    out.push_back(std::string("panel ") + (p.visible ? "shown" : "hidden") + " money '" + p.initialCashText +
                  "' until '" + p.playUntilText + "' limits " + p.smallBetText + "/" + p.bigBetText + " sound " +
                  p.soundText + " back " + std::to_string(p.cardBackItem) + " level " + std::to_string(p.levelItem) +
                  " updown " + std::to_string(p.limitsStep));
    out.push_back("stats " + v.stats.handsPlayed + " " + v.stats.handsWon + " " + v.stats.showdowns);
    return out;
}

inline std::string cards(const Deck& deck) {
    std::string out;
    for (const Card& c : deck) out += std::to_string(picture(c)) + " ";
    return out;
}

inline std::vector<std::string> lines(const TableState& s) {
    std::vector<std::string> out;
    for (int seat : kSeatOrder)
        out.push_back("seat " + std::to_string(seat) + " cash " + std::to_string(s.cash[seat]) +
                      (s.folded[seat] ? " folded" : "") + (s.raised[seat] ? " raised" : ""));
    const auto n = [](int64_t v) { return std::to_string(v); };
    out.push_back("street " + n(s.street) + " blind " + n(s.blindSeat) + " opener " + n(s.openerSeat) + " out " +
                  n(s.seatsOut) + (s.potSettled ? " settled" : ""));
    out.push_back("pot " + n(s.pot) + " toCall " + n(s.toCall) + " raise " + n(s.raiseAmount) + " blinds " +
                  n(s.smallBlind) + "/" + n(s.bigBlind));
    out.push_back("bets " + n(s.smallBet) + "/" + n(s.bigBet) + " initial " + n(s.initialCash) + " until " +
                  n(s.playUntil) + " level " + n(s.aiLevel) + " back " + n(s.cardBack) +
                  (s.soundOn ? " sound" : " quiet"));
    out.push_back("stats " + n(s.handsPlayed) + " " + n(s.handsWon) + " " + n(s.showdownCount));
    out.push_back("deck " + cards(s.deck));
    out.push_back("odds deck " + cards(s.oddsDeck));
    return out;
}

inline bool isPermutation(const Deck& deck) {
    std::array<bool, kDeckSize> seen{};
    for (const Card& c : deck) {
        if (c.suit < 0 || c.suit > 3 || c.rank < 0 || c.rank >= kRanks || seen[picture(c)]) return false;
        seen[picture(c)] = true;
    }
    return true;
}

// The generator's state after seeding from the clock and the given number of draws, worked
// out here from the generator's definition rather than through the game's own class.
inline uint64_t generatorStateAfter(uint32_t clock, uint64_t draws) {
    uint64_t state = static_cast<uint32_t>(clock * 22695477u + 1u);
    for (uint64_t i = 0; i < draws; ++i) state = state * 1486058704437ull + 1u;
    return state;
}

// ---- The rig.

// A table on settings in memory with sound off and the opponents' odds routine simulating no
// deal (level -1, as an edited file may hold): their strength is what the test sets, plus the
// pre-flop hole-card adjustment. It starts up when the test says so.
class TableRig {
public:
    TestHost host;
    FillingStore store;
    Table table{host, store};

    TableRig() {
        table.addObserver(host);
        store.values[{"Settings", "Sound"}] = 0;
        store.values[{"Levels", "comp"}] = -1;
    }

    // Starts up with every opponent so weak that each answer folds and no turn raises.
    void startUp() {
        setStrength(-10000);
        table.startUp();
    }
    // The human folds and the showdown among the others ends the hand; Deal is then enabled.
    void finishHand() {
        ASSERT_TRUE(table.fold());
        ASSERT_TRUE(view().deal.enabled);
    }

    TableState& state() { return table.stateForTesting(); }
    TableView view() const { return table.view(); }
    // The strength the odds routine's next estimate builds on: at level -1 the opponents decide
    // on it, plus the pre-flop adjustment.
    void setStrength(int32_t strength) { table.oddsForTesting().setStrength(strength); }
    int32_t strength() const { return table.odds().strength(); }

    void setCash(int32_t everyone) {
        for (int seat : kSeatOrder) state().cash[seat] = everyone;
    }
    void hole(int seat, std::string_view a, std::string_view b) {
        state().hole(seat)[0] = card(a);
        state().hole(seat)[1] = card(b);
    }
    void board(const std::array<const char*, 5>& cards) {
        for (int i = 0; i < 5; ++i) state().board()[i] = card(cards[i]);
    }

    // A hand in progress with the human to act and no raise unanswered: every seat holds
    // 1000, the pot 100, no seat is out.
    void midHand(int street, int opener, int32_t strength) {
        TableState& t = state();
        setCash(1000);
        t.folded = {};
        t.raised = {};
        t.seatsOut = 0;
        t.street = street;
        t.openerSeat = opener;
        t.blindSeat = opener;
        t.pot = 100;
        t.toCall = 0;
        setStrength(strength);
        t.potSettled = false;
        t.allOutDeclared = false;
    }
    // An opponent's raise the human has not answered.
    void raiseBy(int seat, int32_t toCall) {
        state().raised = {};
        state().raised[seat] = true;
        state().toCall = toCall;
    }
    void fold(int seat) {
        state().folded[seat] = true;
        ++state().seatsOut;
    }

    // The next draws of the generator, after any scripted before: a roll is the value mod 100,
    // a deck position the value mod 52.
    void rolls(const std::vector<uint32_t>& values) { table.randomForTesting().script(values); }
    // The next shuffle leaves both decks as they are: every swap exchanges position 0 with itself.
    void stillShuffle() { rolls(std::vector<uint32_t>(kShuffleDraws, 0)); }

    // Forgets what happened so far: host events, settings writes, and the draw count.
    void forget() {
        host.events.clear();
        store.writes.clear();
        store.attempted.clear();
        drawsBefore_ = table.random().draws();
    }
    uint64_t draws() const { return table.random().draws() - drawsBefore_; }

    // The seats whose card areas were erased, in order (the board area shows as 0).
    std::vector<int> erasedSeats() const {
        std::vector<int> seats;
        for (const HostEvent& e : host.events) {
            if (e.kind != HostEvent::Erase) continue;
            int which = 0;
            for (int seat : kSeatOrder)
                if (ui::Rect{e.numbers[0], e.numbers[1], e.numbers[2], e.numbers[3]} == ui::kCardArea[seat]) which = seat;
            seats.push_back(which);
        }
        return seats;
    }
    std::vector<std::string> sounds() const { return host.texts(HostEvent::Sound); }
    Statuses statuses() const {
        Statuses texts;
        for (int seat : kSeatOrder) texts.push_back(view().seats[seat].status.text);
        return texts;
    }
    // The cash of every seat in seat order You, Freak, ..., Robot.
    std::vector<int32_t> cash() {
        std::vector<int32_t> out;
        for (int seat : kSeatOrder) out.push_back(state().cash[seat]);
        return out;
    }
    // The opponents holding a last-raiser flag.
    std::vector<int> raisers() {
        std::vector<int> seats;
        for (int seat : kOpponents)
            if (state().raised[seat]) seats.push_back(seat);
        return seats;
    }
    // The four table buttons, "+" enabled and "-" disabled, Check/Call by its caption:
    // e.g. "-Deal +Call -Raise +Fold".
    std::string buttons() const {
        const auto mark = [](const ButtonView& b, std::string_view name) {
            return (b.enabled ? "+" : "-") + std::string(name);
        };
        const TableView v = view();
        return mark(v.deal, "Deal") + " " + mark(v.checkOrCall, v.checkOrCall.caption) + " " + mark(v.raise, "Raise") +
               " " + mark(v.fold, "Fold");
    }
    // The picture last drawn at x, y since the last forget(), -1 for none.
    int pictureAt(int x, int y) const {
        int found = -1;
        for (const HostEvent& e : host.events)
            if (e.kind == HostEvent::Draw && e.numbers[1] == x && e.numbers[2] == y) found = e.numbers[0];
        return found;
    }
    int pictureAt(ui::Point p) const { return pictureAt(p.x, p.y); }

private:
    uint64_t drawsBefore_ = 0;
};

// A started table with the neutral cards in every hand and on the board, for tests of one hand.
struct Rig : TableRig {
    Rig() {
        startUp();
        for (const auto& [seat, cards] : kNeutralHoles) hole(seat, cards[0], cards[1]);
        board(kNeutralBoard);
        forget();
    }
};

// The rig as a test fixture, for tests that store settings before starting up.
class TableTest : public ::testing::Test, public TableRig {};

}  // namespace trelvist::testing
