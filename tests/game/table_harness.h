#pragma once
// Shared set-up for the table tests of start-up, the deal, the options panel and the settings
// writes: a store that can refuse from a chosen write on, events as readable lines, the cards a
// pre-flop redraw must show, and a quiet table whose opponents always fold.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "game/table.h"
#include "tests/support/test_host.h"

namespace trelvist::tabletest {

using trelvist::testing::HostEvent;
using trelvist::testing::MemoryStore;
using trelvist::testing::TestHost;

// Refuses every write from the given attempt on (1 is the first), as a disk that fills up
// would, and every write of one chosen key; counts the attempts, the refused ones included.
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
        case HostEvent::Window: return "window " + std::to_string(n[0]);
    }
    return "?";
}

inline std::vector<std::string> describeAll(const std::vector<HostEvent>& events) {
    std::vector<std::string> out;
    for (const HostEvent& e : events) out.push_back(describe(e));
    return out;
}

inline int countKind(const std::vector<HostEvent>& events, HostEvent::Kind kind) {
    int n = 0;
    for (const HostEvent& e : events) n += e.kind == kind;
    return n;
}

inline const std::string kBoardErase = "erase 320 243 700 360";

// Where each seat's first hole card lies, the step to its second, and its first hole-card record.
struct HolePlace {
    int seat, x, y, dx, dy, record;
};
inline constexpr HolePlace kPlaces[8] = {
    {You, 450, 448, 40, 13, 10},     {Freak, 117, 335, 30, 13, 0},    {Geek, 117, 100, 30, 13, 55},
    {Master, 287, 100, 30, 13, 65},  {Champ, 457, 100, 30, 13, 30},   {Pinhead, 627, 100, 30, 13, 20},
    {Expert, 797, 100, 30, 13, 100}, {Robot, 797, 335, 30, 13, 110},
};

inline int face(const Card& c) { return c.suit * 13 + c.rank; }

// A pre-flop redraw: the first cards across the table, then the second ones; the human's face
// up, a back for every other live seat, nothing for a seat out of the hand and no board.
inline std::vector<std::string> preflopDraws(const TableState& s) {
    std::vector<std::string> out;
    for (int c = 0; c < 2; ++c) {
        for (const HolePlace& p : kPlaces) {
            if (s.folded[p.seat] || s.cash[p.seat] <= 0) continue;
            const int x = p.x + c * p.dx, y = p.y + c * p.dy;
            const int pic = p.seat == You ? face(s.cardRec[p.record + c]) : s.cardBack;
            out.push_back("draw " + std::to_string(pic) + " at " + std::to_string(x) + " " + std::to_string(y));
            out.push_back("trim " + std::to_string(x) + " " + std::to_string(y) + (c == 1 ? " keep" : ""));
        }
    }
    return out;
}

inline std::vector<std::string> drawsOnly(const std::vector<HostEvent>& events) {
    std::vector<std::string> out;
    for (const HostEvent& e : events)
        if (e.kind == HostEvent::Draw || e.kind == HostEvent::Trim) out.push_back(describe(e));
    return out;
}

// Everything the window shows, one line per item, so that two displays compare with a
// readable difference.
inline std::vector<std::string> lines(const Display& d) {
    std::vector<std::string> out;
    const auto button = [](const ButtonState& b) { return b.caption + (b.enabled ? " enabled" : " disabled"); };
    for (int seat : kSeatOrder) {
        const StatusLabel& l = d.status[seat];
        out.push_back("status " + std::to_string(seat) + " '" + l.text + "'" +
                      (l.color == LabelColor::Yellow ? " yellow" : " white") + (l.italic ? " italic" : ""));
        out.push_back("cash " + std::to_string(seat) + " " + d.cashLabel[seat]);
    }
    out.push_back("pot " + d.betsize);
    out.push_back("result '" + d.theresult.text + "' at " + std::to_string(d.theresult.left));
    out.push_back("deal " + button(d.btnnew));
    out.push_back("stay " + button(d.btnstay));
    out.push_back("bet " + button(d.btnbet));
    out.push_back("pass " + button(d.btnpass));
    const PanelDisplay& p = d.panel;
    out.push_back(std::string("panel ") + (p.visible ? "shown" : "hidden") + " money '" + p.money + "' until '" +
                  p.until + "' limits " + p.label3 + "/" + p.label4 + " sound " + p.soundOff1 + " back " +
                  std::to_string(p.cardbacks) + " level " + std::to_string(p.levels) + " updown " +
                  std::to_string(p.upDown1));
    out.push_back("stats " + d.lblhandsplayed + " " + d.lblhandswon + " " + d.lblshowdowns);
    return out;
}

inline std::string cards(const Deck& deck) {
    std::string out;
    for (const Card& c : deck) out += std::to_string(face(c)) + " ";
    return out;
}

// The state a handler may change, one line per item.
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
    bool seen[52] = {};
    for (const Card& c : deck) {
        if (c.suit < 0 || c.suit > 3 || c.rank < 0 || c.rank > 12 || seen[face(c)]) return false;
        seen[face(c)] = true;
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

inline constexpr uint64_t kShuffleDraws = 2 * (5001 + 20001);

// A table on a fresh store with sound off and the opponents' odds routine simulating no deal
// (level -1, as an edited file may hold), their strength so low that every answer folds, and
// none of them raises. Only the shuffles draw from the generator.
class QuietTable : public ::testing::Test {
protected:
    void SetUp() override {
        store.values[{"Settings", "Sound"}] = 0;
        store.values[{"Levels", "comp"}] = -1;
    }

    void startUp() {
        table.stateForTesting().strength = -10000;
        table.startUp();
    }

    // The human folds and the showdown among the others ends the hand; Deal is then enabled.
    void finishHand() {
        ASSERT_TRUE(table.playerpasses());
        ASSERT_TRUE(table.display().btnnew.enabled);
    }

    void setCash(int32_t everyone) {
        for (int seat : kSeatOrder) table.stateForTesting().cash[seat] = everyone;
    }

    // Forgets what happened so far, so that a test sees only the next action.
    void forget() {
        host.events.clear();
        store.writes.clear();
        store.attempted.clear();
    }

    TableState& state() { return table.stateForTesting(); }
    const Display& display() const { return table.display(); }

    TestHost host;
    FillingStore store;
    Table table{host, store};
};

}  // namespace trelvist::tabletest
