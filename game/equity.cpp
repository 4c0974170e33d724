// Win and tie chances by counting every deal of the unseen cards, or by sampling deals.
#include "game/equity.h"

#include <algorithm>
#include <climits>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>

#include "game/evaluator.h"

namespace trelvist {
namespace {

constexpr int kBoardSize = 5;

bool isRealCard(Card c) { return c.suit >= 0 && c.suit < 4 && c.rank >= 0 && c.rank < kRanks; }

void check(const EquityQuestion& q) {
    const int shown = q.boardShown;
    if (shown != 0 && shown != 3 && shown != 4 && shown != 5)
        throw std::invalid_argument("the board shows 0, 3, 4 or 5 cards, not " + std::to_string(shown));
    if (q.opponents < 0 || q.opponents > kMaxOpponents)
        throw std::invalid_argument("there are 0 to " + std::to_string(kMaxOpponents) + " opponents, not " +
                                    std::to_string(q.opponents));
    std::array<bool, kDeckSize> seen{};
    auto see = [&seen](Card c) {
        if (!isRealCard(c)) throw std::invalid_argument("a card outside the deck");
        if (std::exchange(seen[picture(c)], true)) throw std::invalid_argument("a card given twice");
    };
    for (Card c : q.hole) see(c);
    for (int i = 0; i < shown; ++i) see(q.board[i]);
}

// The deck without the human's cards and the board shown, in deck order.
struct Unseen {
    std::array<Card, kDeckSize> cards{};
    int count = 0;
};

Unseen unseenCards(const EquityQuestion& q) {
    std::array<bool, kDeckSize> known{};
    for (Card c : q.hole) known[picture(c)] = true;
    for (int i = 0; i < q.boardShown; ++i) known[picture(q.board[i])] = true;
    Unseen unseen;
    for (int p = 0; p < kDeckSize; ++p)
        if (!known[p]) unseen.cards[unseen.count++] = cardOfPicture(p);
    return unseen;
}

// Seven evaluation slots: two hole cards, then the board. Scored many times over, so the
// lookup tables are filled, if need be, once, when it is made.
class Hand {
public:
    explicit Hand(const std::array<Card, kBoardSize>& board) {
        hand_tables::fill();
        std::copy(board.begin(), board.end(), slots_.begin() + 2);
    }
    Card& boardCard(int i) { return slots_[2 + i]; }
    int32_t score(Card a, Card b) {
        slots_[0] = a;
        slots_[1] = b;
        return showdownScore(evaluateWithFilledTables(slots_.data()));
    }

private:
    std::array<Card, 7> slots_{};
};

struct Outcomes {
    uint64_t wins = 0, ties = 0, deals = 0;

    void add(int32_t human, int32_t bestOpponent) {
        wins += human > bestOpponent;
        ties += human == bestOpponent;
        ++deals;
    }
    Equity equity(EquityMethod method) const {
        auto percent = [this](uint64_t n) { return deals ? 100.0 * static_cast<double>(n) / static_cast<double>(deals) : 0.0; };
        return {percent(wins), percent(ties), method, deals};
    }
};

// Every completion of the board, and for each every assignment of two unseen cards to each
// opponent in turn. The scores of all the opponents' possible holdings are worked out once per
// board, so only comparisons are repeated.
class Enumeration {
public:
    explicit Enumeration(const EquityQuestion& q) : q_(q), unseen_(unseenCards(q)), hand_(q.board) {}

    Equity run() {
        completeBoard(0, q_.boardShown);
        return outcomes_.equity(EquityMethod::Exact);
    }

private:
    void completeBoard(int from, int filled) {
        if (filled == kBoardSize) return scoreBoard();
        for (int i = from; i <= unseen_.count - (kBoardSize - filled); ++i) {
            hand_.boardCard(filled) = unseen_.cards[i];
            onBoard_[i] = true;
            completeBoard(i + 1, filled + 1);
            onBoard_[i] = false;
        }
    }

    void scoreBoard() {
        const int32_t human = hand_.score(q_.hole[0], q_.hole[1]);
        rest_ = 0;
        for (int i = 0; i < unseen_.count; ++i)
            if (!onBoard_[i]) restCards_[rest_++] = unseen_.cards[i];
        for (int i = 0; i < rest_; ++i)
            for (int j = i + 1; j < rest_; ++j) pairScore_[i][j] = hand_.score(restCards_[i], restCards_[j]);
        dealOpponents(q_.opponents, 0, INT32_MIN, human);
    }

    void dealOpponents(int left, uint64_t taken, int32_t best, int32_t human) {
        if (left == 0) return outcomes_.add(human, best);
        for (int i = 0; i < rest_; ++i) {
            if (taken >> i & 1) continue;
            for (int j = i + 1; j < rest_; ++j) {
                if (taken >> j & 1) continue;
                const uint64_t pair = (uint64_t{1} << i) | (uint64_t{1} << j);
                dealOpponents(left - 1, taken | pair, std::max(best, pairScore_[i][j]), human);
            }
        }
    }

    const EquityQuestion& q_;
    const Unseen unseen_;
    Hand hand_;
    std::array<bool, kDeckSize> onBoard_{};  // by place in unseen_
    std::array<Card, kDeckSize> restCards_{};
    int rest_ = 0;
    std::array<std::array<int32_t, kDeckSize>, kDeckSize> pairScore_{};
    Outcomes outcomes_;
};

// SplitMix64: small, fast and plenty random for picking cards; the game's own generator is a
// different one and stays untouched.
class MeterRandom {
public:
    explicit MeterRandom(uint64_t seed) : state_(seed) {}
    uint64_t next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0..n-1, by multiplying instead of dividing; the bias, n / 2^32, is far below the margin.
    int below(int n) { return static_cast<int>(((next() >> 32) * static_cast<uint64_t>(n)) >> 32); }

private:
    uint64_t state_;
};

// The same question always draws the same deals, so its figure does not flicker.
uint64_t seedOf(const EquityQuestion& q) {
    uint64_t seed = 0;
    auto mixIn = [&seed](int value) { seed = MeterRandom(seed ^ static_cast<uint64_t>(value)).next(); };
    mixIn(q.opponents);
    mixIn(q.boardShown);
    for (Card c : q.hole) mixIn(picture(c));
    for (int i = 0; i < q.boardShown; ++i) mixIn(picture(q.board[i]));
    return seed;
}

uint64_t choose(int n, int k) {
    uint64_t c = 1;
    for (int i = 1; i <= k; ++i) c = c * static_cast<uint64_t>(n - k + i) / static_cast<uint64_t>(i);
    return c;
}

}  // namespace

uint64_t exactDealCount(const EquityQuestion& q) {
    check(q);
    int unseen = kDeckSize - 2 - q.boardShown;
    uint64_t count = choose(unseen, kBoardSize - q.boardShown);
    unseen -= kBoardSize - q.boardShown;
    for (int i = 0; i < q.opponents; ++i, unseen -= 2)
        if (__builtin_mul_overflow(count, choose(unseen, 2), &count)) return std::numeric_limits<uint64_t>::max();
    return count;
}

Equity exactEquity(const EquityQuestion& q) {
    check(q);
    return Enumeration(q).run();
}

Equity sampledEquity(const EquityQuestion& q, uint64_t deals, uint64_t seed) {
    check(q);
    Unseen unseen = unseenCards(q);
    MeterRandom random(seed);
    Hand hand(q.board);
    const int boardMissing = kBoardSize - q.boardShown;
    const int drawn = boardMissing + 2 * q.opponents;
    Outcomes outcomes;
    for (uint64_t d = 0; d < deals; ++d) {
        // The first `drawn` unseen cards become a uniform random draw; the order the earlier
        // deals left behind does not matter.
        for (int i = 0; i < drawn; ++i)
            std::swap(unseen.cards[i], unseen.cards[i + random.below(unseen.count - i)]);
        for (int i = 0; i < boardMissing; ++i) hand.boardCard(q.boardShown + i) = unseen.cards[i];
        const int32_t human = hand.score(q.hole[0], q.hole[1]);
        int32_t best = INT32_MIN;
        for (int o = 0; o < q.opponents; ++o) {
            const Card* cards = &unseen.cards[boardMissing + 2 * o];
            best = std::max(best, hand.score(cards[0], cards[1]));
        }
        outcomes.add(human, best);
    }
    return outcomes.equity(EquityMethod::Sampled);
}

Equity computeEquity(const EquityQuestion& q) {
    if (exactDealCount(q) <= kExactDealLimit) return exactEquity(q);
    return sampledEquity(q, kSampledDeals, seedOf(q));
}

}  // namespace trelvist
