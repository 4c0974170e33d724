#pragma once
// A table run without a window for tests of single hands: sound off, opponents that simulate
// no deal (their strength is what the test sets, plus the pre-flop hole-card adjustment),
// cards and random rolls chosen by the test.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "game/table.h"
#include "tests/support/test_host.h"

namespace trelvist::testing {

// "As", "Td", "2c": rank 2..A, suit c d h s.
inline Card card(std::string_view text) {
    constexpr std::string_view kRankChars = "23456789TJQKA", kSuitChars = "cdhs";
    return Card{int32_t(kSuitChars.find(text[1])), int32_t(kRankChars.find(text[0]))};
}

// A condition on one roll, a draw of the generator taken mod 100.
using RollTest = std::function<bool(int)>;
inline RollTest anyRoll() { return [](int) { return true; }; }
inline RollTest rollAtMost(int n) { return [n](int r) { return r <= n; }; }
inline RollTest rollAbove(int n) { return [n](int r) { return r > n; }; }
inline RollTest rollIs(int n) { return [n](int r) { return r == n; }; }

// A seed whose draws, after `skip` of them, pass the tests in order.
inline uint32_t seedForRolls(const std::vector<RollTest>& tests, int skip = 0) {
    for (uint32_t seed = 1; seed < 5'000'000; ++seed) {
        Random r;
        r.seed(seed);
        for (int i = 0; i < skip; ++i) r.next();
        bool ok = true;
        for (const RollTest& test : tests) {
            if (!test(static_cast<int>(r.next() % 100))) {
                ok = false;
                break;
            }
        }
        if (ok) return seed;
    }
    ADD_FAILURE() << "no seed gives these rolls";
    return 0;
}

// The sounds a roll picks: the chips of a raise, the cards of a new street.
inline std::string chipSound(int roll) { return roll > 70 ? "chip1.wav" : roll > 40 ? "chip2.wav" : "chip3.wav"; }
inline std::string cardSound(int roll) { return roll > 50 ? "card1.wav" : "card2.wav"; }

// Hole cards whose pre-flop adjustment is 0 and which earn no strong-start bonus with the
// board below: every opponent then decides on exactly the strength the test sets.
inline const std::map<int, std::array<const char*, 2>> kNeutralHoles{
    {You, {"8d", "6c"}},   {Freak, {"8c", "6d"}},  {Geek, {"9c", "7d"}},  {Master, {"9d", "7c"}},
    {Champ, {"8h", "6s"}}, {Pinhead, {"9h", "7s"}}, {Expert, {"Tc", "6h"}}, {Robot, {"Td", "7h"}},
};
inline const std::array<const char*, 5> kNeutralBoard{"2s", "3h", "Jc", "Kd", "4s"};

template <class HostType = TestHost>
class BasicRig {
public:
    HostType host;
    MemoryStore store;
    Table table{host, store};

    BasicRig() {
        store.values[{"Settings", "Sound"}] = 0;
        store.values[{"Levels", "comp"}] = -1;
        table.startUp();
        for (const auto& [seat, cards] : kNeutralHoles) hole(seat, cards[0], cards[1]);
        board(kNeutralBoard);
        forget();
    }

    TableState& s() { return table.stateForTesting(); }
    const Display& d() const { return table.display(); }

    void hole(int seat, std::string_view a, std::string_view b) {
        s().cardRec[kHoleRecord[seat]] = card(a);
        s().cardRec[kHoleRecord[seat] + 1] = card(b);
    }
    void board(const std::array<const char*, 5>& cards) {
        for (int i = 0; i < 5; ++i) s().cardRec[kBoard + i] = card(cards[i]);
    }

    // A hand in progress with the human to act and no raise unanswered: every seat holds
    // 1000, the pot 100, no seat is out.
    void midHand(int street, int opener, int32_t strength) {
        TableState& t = s();
        for (int seat : kSeatOrder) t.cash[seat] = 1000;
        t.folded = {};
        t.raised = {};
        t.seatsOut = 0;
        t.street = street;
        t.openerSeat = opener;
        t.blindSeat = opener;
        t.pot = 100;
        t.toCall = 0;
        t.strength = strength;
        t.potSettled = false;
        t.allOutDeclared = false;
    }
    // An opponent's raise the human has not answered.
    void raiseBy(int seat, int32_t toCall) {
        s().raised = {};
        s().raised[seat] = true;
        s().toCall = toCall;
    }
    void fold(int seat) {
        s().folded[seat] = true;
        ++s().seatsOut;
    }
    // Fixes the next draws of the generator.
    void rolls(const std::vector<RollTest>& tests) { table.randomForTesting().seed(seedForRolls(tests)); }

    // Forgets what happened so far: host events, settings writes, and the draw count.
    void forget() {
        host.events.clear();
        store.writes.clear();
        drawsBefore_ = table.random().draws();
    }
    uint64_t draws() const { return table.random().draws() - drawsBefore_; }
    // The n-th roll the generator will give from now on (n = 1 is the next one).
    int upcomingRoll(int n) const {
        Random probe = table.random();
        for (int i = 1; i < n; ++i) probe.next();
        return static_cast<int>(probe.next() % 100);
    }

    // The seats whose card areas were erased, in order (the board area shows as 0).
    std::vector<int> erasedSeats() const {
        std::vector<int> seats;
        for (const HostEvent& e : host.events) {
            if (e.kind != HostEvent::Erase) continue;
            int which = 0;
            for (int seat : kSeatOrder)
                if (e.numbers == kAreas[seat]) which = seat;
            seats.push_back(which);
        }
        return seats;
    }
    std::vector<std::string> sounds() const { return host.texts(HostEvent::Sound); }
    std::vector<std::string> statuses() const {
        std::vector<std::string> texts;
        for (int seat : kSeatOrder) texts.push_back(d().status[seat].text);
        return texts;
    }
    std::vector<int32_t> cash() { return {s().cash[You], s().cash[Freak], s().cash[Geek], s().cash[Master],
                                          s().cash[Champ], s().cash[Pinhead], s().cash[Expert], s().cash[Robot]}; }
    // The opponents holding a last-raiser flag.
    std::vector<int> raisers() {
        std::vector<int> seats;
        for (int seat : kOpponents)
            if (s().raised[seat]) seats.push_back(seat);
        return seats;
    }
    // The four table buttons, "+" enabled and "-" disabled, Check/Call by its caption:
    // e.g. "-Deal +Call -Raise +Fold".
    std::string buttons() const {
        const auto mark = [](const ButtonState& b, std::string_view name) {
            return (b.enabled ? "+" : "-") + std::string(name);
        };
        return mark(d().btnnew, "Deal") + " " + mark(d().btnstay, d().btnstay.caption) + " " +
               mark(d().btnbet, "Raise") + " " + mark(d().btnpass, "Fold");
    }
    // Whether a card picture was drawn at x, y since the last forget().
    bool drawnAt(int x, int y) const {
        for (const HostEvent& e : host.events)
            if (e.kind == HostEvent::Draw && e.numbers[1] == x && e.numbers[2] == y) return true;
        return false;
    }
    int pictureAt(int x, int y) const {
        int found = -1;
        for (const HostEvent& e : host.events)
            if (e.kind == HostEvent::Draw && e.numbers[1] == x && e.numbers[2] == y) found = e.numbers[0];
        return found;
    }

    // Card areas that a fold wipes, as left, top, right, bottom.
    static constexpr std::array<std::array<int, 4>, kSeatSlots> kAreas{{
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

private:
    uint64_t drawsBefore_ = 0;
};

using Rig = BasicRig<>;

// Statuses in seat order You, Freak, Geek, Master, Champ, Pinhead, Expert, Robot.
using Statuses = std::vector<std::string>;

}  // namespace trelvist::testing
