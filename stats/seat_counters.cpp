#include "stats/seat_counters.h"

#include <vector>

namespace trelvist::stats {

SeatCounters& SeatCounters::operator+=(const SeatCounters& o) {
    hands += o.hands;
    vpipChances += o.vpipChances;
    vpip += o.vpip;
    pfrChances += o.pfrChances;
    pfr += o.pfr;
    threeBetChances += o.threeBetChances;
    threeBets += o.threeBets;
    aggressiveStreets += o.aggressiveStreets;
    postflopCalls += o.postflopCalls;
    sawFlop += o.sawFlop;
    wonWhenSawFlop += o.wonWhenSawFlop;
    sawShowdown += o.sawShowdown;
    wonAtShowdown += o.wonAtShowdown;
    cbetChances += o.cbetChances;
    cbets += o.cbets;
    net += o.net;
    netSquares += o.netSquares;
    bigBets += o.bigBets;
    return *this;
}

namespace {

using history::Action;
using history::BlindPost;
using history::HandRecord;
using history::kFlop;
using history::kPreflop;
using history::kRiver;
using history::Payment;
using history::Shown;
using history::StreetTurned;

template <class T>
using BySeat = std::array<T, kSeatSlots>;

// The hand read as its history file tells it: who posted a blind line, what each seat put in and
// collected, and the actions of each street in the order of play.
struct HandFacts {
    BySeat<bool> tookPart{};  // named in a line of its own: a posted blind, an action, a showing,
                              // a collection; You are always dealt in
    BySeat<bool> postedBlind{};
    BySeat<bool> blindAllIn{};  // the blind took the seat's last chip
    BySeat<int64_t> putIn{}, collected{};
    BySeat<bool> paid{};  // collected from the pot
    std::array<std::vector<Action>, kRiver + 1> streets;  // by street, pre-flop to river
    std::vector<bool> preflopAllIn;  // by pre-flop action: it took the seat's last chip
    // How often each seat made each move on each street, so that a question costs no walk.
    BySeat<std::array<std::array<int, 4>, kRiver + 1>> moves{};

    explicit HandFacts(const HandRecord& hand) {
        tookPart[You] = true;
        // The chips each seat has left, from the stack its file line shows (none in debt).
        BySeat<int64_t> stack{};
        for (int seat : kSeatOrder) stack[seat] = std::max(hand.start.cash[seat], int32_t{0});
        int street = kPreflop;
        for (const history::HandEvent& event : hand.events) {
            if (const auto* post = std::get_if<BlindPost>(&event)) {
                // A blind without chips is the pot's, not the seat's: no line names the seat.
                if (post->paid > 0) tookPart[post->seat] = postedBlind[post->seat] = true;
                putIn[post->seat] += post->paid;
                stack[post->seat] -= post->paid;
                blindAllIn[post->seat] = post->paid > 0 && stack[post->seat] == 0;
            } else if (const auto* action = std::get_if<Action>(&event)) {
                tookPart[action->seat] = true;
                putIn[action->seat] += action->amount;
                stack[action->seat] -= action->amount;
                streets[street].push_back(*action);
                if (street == kPreflop) preflopAllIn.push_back(action->amount > 0 && stack[action->seat] == 0);
                ++moves[action->seat][street][static_cast<int>(action->move)];
            } else if (const auto* turned = std::get_if<StreetTurned>(&event)) {
                street = turned->street;
            } else if (const auto* shown = std::get_if<Shown>(&event)) {
                tookPart[shown->seat] = true;
            } else if (const auto* payment = std::get_if<Payment>(&event)) {
                tookPart[payment->seat] = paid[payment->seat] = true;
                collected[payment->seat] += payment->amount;
            }
        }
    }

    bool acted(int seat, int street, Move move) const { return moves[seat][street][static_cast<int>(move)] > 0; }
};

// Voluntarily in, raised, and the three-bet chances and three-bets: the blinds count as the
// first bet, so the first raise is the second, and the raise after it the third. The first
// call of a raise ends the chance of the seat calling, not of those after it. A blind that
// took a seat's last chip leaves it with nothing to raise with, so it is not counted among
// the seats a raise could be made against.
void countPreflop(const HandFacts& facts, TableCounters& counters) {
    BySeat<bool> inPot{}, firstActionAlone{};
    BySeat<int> actionsSoFar{};
    for (int seat : kSeatOrder) inPot[seat] = facts.postedBlind[seat] && !facts.blindAllIn[seat];
    for (const Action& action : facts.streets[kPreflop]) inPot[action.seat] = true;
    int inPotCount = 0;
    for (int seat : kSeatOrder) inPotCount += inPot[seat];

    BySeat<bool> threeBetChance{}, threeBet{};
    bool raiseChance = true, calledTheRaise = false;
    int raises = 0;
    for (size_t i = 0; i < facts.streets[kPreflop].size(); ++i) {
        const Action& action = facts.streets[kPreflop][i];
        const int seat = action.seat;
        // A seat whose first action comes with nobody else left in has nothing to raise
        // against, and neither has anyone after it.
        if (++actionsSoFar[seat] == 1 && inPotCount == 1) {
            raiseChance = false;
            firstActionAlone[seat] = true;
        }
        if ((action.move == Move::Fold || facts.preflopAllIn[i]) && inPot[seat]) {
            inPot[seat] = false;
            --inPotCount;
        }
        if (raises == 1) {
            threeBetChance[seat] = raiseChance;
            if (!calledTheRaise && action.move == Move::Call) {
                calledTheRaise = true;
                continue;
            }
        }
        if (action.move == Move::Raise && raises < 2) {
            if (raises == 1) threeBet[seat] = true;
            ++raises;
        }
    }

    for (int seat : kSeatOrder) {
        if (!facts.tookPart[seat]) continue;
        SeatCounters& c = counters[seat];
        const bool foldedBlind = facts.postedBlind[seat] && facts.acted(seat, kPreflop, Move::Fold);
        const bool vpip = facts.acted(seat, kPreflop, Move::Call) || facts.acted(seat, kPreflop, Move::Raise);
        c.vpipChances += !foldedBlind;
        c.vpip += !foldedBlind && vpip;
        c.pfrChances += !firstActionAlone[seat];
        c.pfr += facts.acted(seat, kPreflop, Move::Raise);
        c.threeBetChances += threeBetChance[seat];
        c.threeBets += threeBet[seat];
    }
}

// The flop, turn and river: streets with a bet or raise, calls, and the streets seen. A seat
// that acted before the flop sees the next street while it has not folded and someone else
// has not either, whether or not the street is dealt; those still in after the river went to
// the showdown.
void countPostflop(const HandFacts& facts, TableCounters& counters) {
    for (int street = kFlop; street <= kRiver; ++street)
        for (int seat : kSeatOrder) {
            counters[seat].aggressiveStreets += facts.acted(seat, street, Move::Raise);
            counters[seat].postflopCalls += facts.moves[seat][street][static_cast<int>(Move::Call)];
        }

    // Only seats with a pre-flop line are in: a big blind that was never asked before the flop
    // sees no street, even when it plays them.
    BySeat<bool> in{};
    for (const Action& action : facts.streets[kPreflop]) in[action.seat] = true;
    for (int street = kPreflop; street <= kRiver; ++street) {
        if (street == kFlop)
            for (int seat : kSeatOrder) {
                counters[seat].sawFlop += in[seat];
                counters[seat].wonWhenSawFlop += in[seat] && facts.paid[seat];
            }
        int left = 0;
        for (const Action& action : facts.streets[street])
            if (action.move == Move::Fold) in[action.seat] = false;
        for (int seat : kSeatOrder) left += in[seat];
        if (left == 1) return;
    }
    for (int seat : kSeatOrder) {
        counters[seat].sawShowdown += in[seat];
        counters[seat].wonAtShowdown += in[seat] && facts.paid[seat];
    }
}

// The continuation bet: the last pre-flop raiser has a chance on each of the flop, turn and
// river until it folds, dealt or not, and takes it when its first bet, raise or fold of the
// street is a bet or a raise.
void countContinuationBets(const HandFacts& facts, TableCounters& counters) {
    int raiser = 0;
    for (const Action& action : facts.streets[kPreflop])
        if (action.move == Move::Raise) raiser = action.seat;
    if (!raiser) return;
    for (int street = kFlop; street <= kRiver; ++street) {
        ++counters[raiser].cbetChances;
        for (const Action& action : facts.streets[street]) {
            if (action.seat != raiser) continue;
            if (action.move == Move::Raise) {
                ++counters[raiser].cbets;
                break;
            }
            if (action.move == Move::Fold) return;
        }
    }
}

}  // namespace

TableCounters countHand(const HandRecord& hand) {
    TableCounters counters{};
    if (hand.state != history::HandState::Finished) return counters;
    const HandFacts facts(hand);
    countPreflop(facts, counters);
    countPostflop(facts, counters);
    countContinuationBets(facts, counters);
    for (int seat : kSeatOrder) {
        SeatCounters& c = counters[seat];
        // The history lists every seat, and a seat without chips that sits the hand out is
        // counted as the tracker counts a player listed as sitting out: dealt in, with a chance
        // to put money in and to raise that it did not take.
        if (!facts.tookPart[seat]) {
            c.vpipChances = c.pfrChances = 1;
        }
        const int64_t net = facts.collected[seat] - facts.putIn[seat];
        c.hands = 1;
        c.net = net;
        c.netSquares = net * net;
        c.bigBets = hand.start.bigBet;
    }
    return counters;
}

}  // namespace trelvist::stats
