#include "game/style_strategy.h"

#include <algorithm>
#include <cmath>

#include "game/equity.h"

namespace trelvist {

namespace {

// Few deals keep one decision well under a millisecond; the thresholds leave room for the
// spread of a few percentage points this gives.
constexpr uint64_t kStyleDeals = 300;

uint64_t mix(uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

int seatsIn(const SeatContext& context) {
    int in = 0;
    for (int seat : kSeatOrder) in += context.inHand[seat] ? 1 : 0;
    return in;
}

// The bets of this street, the big blind's included: it is the pre-flop's first bet.
int betsThisStreet(const SeatContext& context) {
    return static_cast<int>(std::count_if(context.actions.begin(), context.actions.end(), [&](const SeatAction& a) {
        return a.street == context.street && a.move == Move::Raise;
    }));
}

// Whether a seat raised this street; the big blind is a bet, not a raise.
bool raisedThisStreet(const SeatContext& context) {
    return std::any_of(context.actions.begin(), context.actions.end(), [&](const SeatAction& a) {
        return a.street == context.street && a.move == Move::Raise && !a.blind;
    });
}

// The table puts no cap on the raises of a street: it closes only when the turns come round to
// its opener, and a seat right after a raiser sits its turn out, so raising seats can keep a
// street going for as long as they raise. The styles stop at the cap of a limit game, a bet
// and three raises.
constexpr int kRaiseCap = 4;

// The model knows a player by where it sits from here: the same seat while the seats keep their
// players, and the same player too where everybody moves round together.
// Play goes from the higher seat number to the lower: 0 is this seat, 1 the next to act, and so on.
int seatFromHere(const SeatContext& context, int seat) {
    constexpr int kSeats = static_cast<int>(kSeatOrder.size());
    return (context.seat - seat + kSeats) % kSeats;
}

}  // namespace

double startingHandScore(const std::array<Card, 2>& hole) {
    const auto points = [](int rank) {
        constexpr double kFaces[] = {6, 7, 8, 10};  // Jack, Queen, King, Ace
        return rank >= 9 ? kFaces[rank - 9] : (rank + 2) / 2.0;
    };
    const int high = std::max(hole[0].rank, hole[1].rank);
    const int low = std::min(hole[0].rank, hole[1].rank);
    if (high == low) return std::max(5.0, 2 * points(high));
    double score = points(high);
    if (hole[0].suit == hole[1].suit) score += 2;
    const int gap = high - low - 1;
    constexpr double kGapCost[] = {0, 1, 2, 4};
    score -= gap < 4 ? kGapCost[gap] : 5;
    if (gap <= 1 && high < 10) score += 1;  // straights both ways below the queen
    return std::ceil(score);
}

double StyleStrategy::roll() {
    rollState_ = mix(rollState_);
    return static_cast<double>(rollState_ >> 11) * 0x1.0p-53;
}

// Reads the actions not seen yet into the opponent model; a new hand starts a new list.
void StyleStrategy::watch(const SeatContext& context) {
    if (context.actions.size() < actionsRead_ || context.hole != handRead_) {
        actionsRead_ = 0;
        enteredThisHand_ = {};
    }
    handRead_ = context.hole;
    for (; actionsRead_ < context.actions.size(); ++actionsRead_) {
        const SeatAction& action = context.actions[actionsRead_];
        if (action.blind) continue;
        const int player = seatFromHere(context, action.seat);
        ++actionsSeen_[player];
        raisesSeen_[player] += action.move == Move::Raise ? 1 : 0;
        // A player's first answer before the flop: whether it put chips in of its own will.
        if (action.street == 1 && !enteredThisHand_[player]) {
            enteredThisHand_[player] = true;
            ++choicesSeen_[player];
            entriesSeen_[player] += action.move == Move::Call || action.move == Move::Raise ? 1 : 0;
        }
    }
}

// How loose the others play, from 0 (as tight as the classic opponents, who enter about a
// quarter of the pots) to 1 (a third of the pots or more, on average). 0 until each has been
// seen to choose a few dozen times.
double StyleStrategy::tableLooseness() const {
    double entered = 0;
    int players = 0;
    for (int player = 1; player < static_cast<int>(kSeatOrder.size()); ++player) {
        if (choicesSeen_[player] < 30) return 0;
        entered += static_cast<double>(entriesSeen_[player]) / choicesSeen_[player];
        ++players;
    }
    return std::clamp((entered / players - 0.27) / 0.06, 0.0, 1.0);
}

// How often the last raiser of this street raises, from 0 to 1; a fifth before it is known.
double StyleStrategy::raiseRateAgainst(const SeatContext& context) const {
    for (auto a = context.actions.rbegin(); a != context.actions.rend(); ++a) {
        if (a->street != context.street || a->move != Move::Raise || a->blind) continue;
        const int player = seatFromHere(context, a->seat);
        const int seen = actionsSeen_[player];
        return seen < 10 ? 0.2 : static_cast<double>(raisesSeen_[player]) / seen;
    }
    return 0.2;
}

double StyleStrategy::preflopScore(const SeatContext& context) {
    double score = startingHandScore(context.hole);
    if (!params_.readsTable) return score;
    // Late seats see the others act first: fewer seats left to act, wider hands, and the more
    // so the looser the others play, as more of them come along to pay a good hand.
    int acted = 0;
    for (const SeatAction& a : context.actions) acted += a.street == 1 && !a.blind ? 1 : 0;
    const double loose = tableLooseness();
    if (acted >= 4) score += 1 + 2 * loose;
    else if (acted == 3) score += 3 * loose;
    else if (acted <= 1) score -= loose;
    // Against a seat that raises with anything, its raise says little; nor does a raise at a
    // loose table.
    if (raisedThisStreet(context)) score += 4 * std::max(0.0, raiseRateAgainst(context) - 0.25) + 2 * loose;
    return score;
}

// The hand's chances times the seats in: 1 is an even share of the pot.
double StyleStrategy::winShare(const SeatContext& context) {
    EquityQuestion question;
    question.hole = context.hole;
    question.boardShown = static_cast<int>(context.board.size());
    std::copy(context.board.begin(), context.board.end(), question.board.begin());
    const int in = seatsIn(context);
    question.opponents = std::clamp(in - 1, 1, kMaxOpponents);
    const uint64_t seed = mix(static_cast<uint64_t>(picture(context.hole[0])) * 64 +
                              static_cast<uint64_t>(picture(context.hole[1])) + rollState_);
    const Equity equity = sampledEquity(question, kStyleDeals, seed);
    const double chances = (equity.winPercent + equity.tiePercent / 2) / 100;
    return chances * (question.opponents + 1);
}

bool StyleStrategy::staysIn(const SeatContext& context) {
    watch(context);
    if (context.street == 1) {
        const bool raised = context.toPay > context.smallBet || raisedThisStreet(context);
        return preflopScore(context) >= (raised ? params_.raisedScore : params_.enterScore);
    }
    if (context.toPay <= 0) return true;
    const double share = winShare(context);
    double price = static_cast<double>(context.toPay) / (context.pot + context.toPay);
    if (params_.readsTable) price *= 1.2 - raiseRateAgainst(context);
    const double chances = share / seatsIn(context);
    return share >= params_.minShare && chances >= price * params_.callFactor;
}

bool StyleStrategy::raises(const SeatContext& context) {
    watch(context);
    const double whim = roll();
    if (betsThisStreet(context) >= kRaiseCap) return false;
    if (context.street == 1) {
        const double score = preflopScore(context);
        return score >= params_.raiseScore ||
               (score >= params_.enterScore && whim < params_.preflopBluff);
    }
    double share = winShare(context);
    double raiseShare = params_.raiseShare;
    if (params_.readsTable) {
        if (seatsIn(context) <= 2) share *= 1.1;  // heads-up, bet thinner
        raiseShare -= 0.5 * tableLooseness();     // loose players pay thinner bets
    }
    return share >= raiseShare || whim < params_.bluff;
}

}  // namespace trelvist
