#include "game/style_strategy.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "game/equity.h"
#include "game/evaluator.h"

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

// What staying in costs, as a share of the pot it makes.
double priceOf(const SeatContext& context) {
    return static_cast<double>(context.toPay) / (context.pot + context.toPay);
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

// Before the flop, a call of at most this share of the pot it makes, the blinds' and the
// entrants' chips paying for it, is worth making with a starting hand this much weaker.
constexpr double kCheapCall = 0.15;
constexpr double kCheapCallScore = 3;

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

// What an opponent's actions this hand say of its hole cards.
struct HeldRange {
    int minScore = 0;          // its starting-hand score is at least this,
    bool enteredOnFlop = false;  // or else the flop pairs its high cards
    int pairsCards = 0;        // it pairs the first this many board cards, or holds a pair
};

namespace {

constexpr int kTopScore = 20;
// Of a player's entries, the share it makes on its starting hand; the rest it makes on the flop
// to come, as the classic rules do.
constexpr double kEntriesOnScore = 0.75;

// The share of all two-card hands whose starting-hand score is at least the index (scores
// clamped to 0..kTopScore).
const std::array<double, kTopScore + 2>& scoreAtLeastShare() {
    static const auto shares = [] {
        std::array<double, kTopScore + 2> share{};
        int hands = 0;
        for (int a = 0; a < kDeckSize; ++a)
            for (int b = a + 1; b < kDeckSize; ++b, ++hands) {
                const double score = startingHandScore({cardOfPicture(a), cardOfPicture(b)});
                const int clamped = static_cast<int>(std::clamp(score, 0.0, double{kTopScore}));
                for (int s = 0; s <= clamped; ++s) share[s] += 1;
            }
        for (double& s : share) s /= hands;
        return share;
    }();
    return shares;
}

// The lowest score that leaves the best `rate` of all hands, or a little more, above it.
int scoreCutFor(double rate) {
    const auto& share = scoreAtLeastShare();
    int cut = 0;
    while (cut < kTopScore && share[cut + 1] >= rate) ++cut;
    return cut;
}

// The classic rules enter on the flop to come: a pair with two cards of ten or better, or a
// pair of jacks or better with a jack or better and an eight or better. The flop is what
// this seat sees of it now.
bool flopPairsHighCards(Card a, Card b, std::span<const Card> board) {
    if (board.size() < 3) return false;
    std::array<int, kRanks> count{};
    ++count[a.rank];
    ++count[b.rank];
    for (int i = 0; i < 3; ++i) ++count[board[i].rank];
    int pairs = 0, pairRank = -1;
    bool more = false;
    for (int rank = 0; rank < kRanks; ++rank) {
        if (count[rank] >= 2) {
            ++pairs;
            pairRank = rank;
        }
        more = more || count[rank] >= 3;
    }
    if (pairs == 0) return false;
    const int low = std::min(a.rank, b.rank), high = std::max(a.rank, b.rank);
    const bool aboveJacks = more || pairs >= 2 || pairRank > 8;
    return low > 7 || (aboveJacks && low > 5 && high > 8);
}

bool fits(const HeldRange& range, Card a, Card b, std::span<const Card> board) {
    if (startingHandScore({a, b}) < range.minScore && !(range.enteredOnFlop && flopPairsHighCards(a, b, board)))
        return false;
    if (range.pairsCards == 0 || a.rank == b.rank) return true;
    return std::any_of(board.begin(), board.begin() + range.pairsCards,
                       [&](Card c) { return c.rank == a.rank || c.rank == b.rank; });
}

}  // namespace

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

// What a player has shown this hand: entering before the flop puts its cards among the best
// it enters with as often as it does, or among those the flop pairs; a raise after the flop,
// or a call while most seats still play, puts a pair of the board then in them. Until a player
// has been seen to choose a few dozen times its entry says nothing.
HeldRange StyleStrategy::rangeOf(const SeatContext& context, int seat) const {
    HeldRange range;
    const int player = seatFromHere(context, seat);
    int folds = 0;
    for (const SeatAction& a : context.actions) {
        folds += a.move == Move::Fold ? 1 : 0;
        if (a.seat != seat || a.blind) continue;
        const bool showsPair = a.street >= 2 && (a.move == Move::Raise || (a.move == Move::Call && folds <= 2));
        if (showsPair) range.pairsCards = std::max(range.pairsCards, a.street + 1);
        if (a.street == 1 && (a.move == Move::Call || a.move == Move::Raise) && choicesSeen_[player] >= 30) {
            // Some of its entries are the flop's: the rest are its best starting hands.
            range.enteredOnFlop = true;
            const double entryRate = static_cast<double>(entriesSeen_[player]) / choicesSeen_[player];
            range.minScore = std::max(range.minScore, scoreCutFor(kEntriesOnScore * entryRate));
        }
    }
    return range;
}

// The hand's chances against the hands the others' actions leave them, drawn by rejection:
// a hand that does not fit is put back and another drawn, a few times at most.
double StyleStrategy::rangedShare(const SeatContext& context, uint64_t seed) const {
    std::array<HeldRange, kSeatSlots> ranges{};
    int opponents = 0;
    for (int seat : kSeatOrder)
        if (seat != context.seat && context.inHand[seat]) ranges[opponents++] = rangeOf(context, seat);
    std::array<bool, kDeckSize> known{};
    std::array<Card, 7> slots{};
    slots[0] = context.hole[0];
    slots[1] = context.hole[1];
    const int shown = static_cast<int>(context.board.size());
    for (Card c : context.hole) known[picture(c)] = true;
    for (int i = 0; i < shown; ++i) {
        known[picture(context.board[i])] = true;
        slots[2 + i] = context.board[i];
    }
    std::array<Card, kDeckSize> pool{};
    int count = 0;
    for (int p = 0; p < kDeckSize; ++p)
        if (!known[p]) pool[count++] = cardOfPicture(p);
    hand_tables::fill();
    uint64_t state = seed;
    const auto draw = [&](int at) {
        state = mix(state);
        std::swap(pool[at], pool[at + static_cast<int>(((state >> 32) * static_cast<uint64_t>(count - at)) >> 32)]);
    };
    constexpr int kTries = 8;
    double won = 0;
    for (uint64_t deal = 0; deal < kStyleDeals; ++deal) {
        int next = 0;
        for (int i = shown; i < 5; ++i, ++next) {
            draw(next);
            slots[2 + i] = pool[next];
        }
        slots[0] = context.hole[0];
        slots[1] = context.hole[1];
        const int32_t own = showdownScore(evaluateWithFilledTables(slots.data()));
        int32_t best = INT32_MIN;
        for (int o = 0; o < opponents; ++o, next += 2) {
            for (int tries = 1;; ++tries) {
                draw(next);
                draw(next + 1);
                if (tries == kTries || fits(ranges[o], pool[next], pool[next + 1], context.board)) break;
            }
            slots[0] = pool[next];
            slots[1] = pool[next + 1];
            best = std::max(best, showdownScore(evaluateWithFilledTables(slots.data())));
        }
        won += own > best ? 1 : own == best ? 0.5 : 0;
    }
    return won / kStyleDeals * (opponents + 1);
}

// The hand's chances times the seats in: 1 is an even share of the pot.
double StyleStrategy::winShare(const SeatContext& context) {
    const uint64_t seed = mix(static_cast<uint64_t>(picture(context.hole[0])) * 64 +
                              static_cast<uint64_t>(picture(context.hole[1])) + rollState_);
    if (params_.readsTable) return rangedShare(context, seed);
    EquityQuestion question;
    question.hole = context.hole;
    question.boardShown = static_cast<int>(context.board.size());
    std::copy(context.board.begin(), context.board.end(), question.board.begin());
    question.opponents = std::clamp(seatsIn(context) - 1, 1, kMaxOpponents);
    const Equity equity = sampledEquity(question, kStyleDeals, seed);
    const double chances = (equity.winPercent + equity.tiePercent / 2) / 100;
    return chances * (question.opponents + 1);
}

bool StyleStrategy::staysIn(const SeatContext& context) {
    watch(context);
    if (context.street == 1) {
        const bool raised = context.toPay > context.smallBet || raisedThisStreet(context);
        double need = raised ? params_.raisedScore : params_.enterScore;
        if (params_.readsTable && priceOf(context) < kCheapCall) need -= kCheapCallScore;
        return preflopScore(context) >= need;
    }
    if (context.toPay <= 0) return true;
    const double share = winShare(context);
    double price = priceOf(context);
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
