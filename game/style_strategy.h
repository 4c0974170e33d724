#pragma once
// The opponent styles beside the classic rules. Every style decides by one routine: before the
// flop on a score of its two hole cards, after it on its sampled chances against the seats
// still in, weighed against the price of staying in. A style is a set of thresholds for that
// routine; the Shark adds position, how often each player raises and how loose the table plays.
#include <array>
#include <cstdint>

#include "game/strategies.h"

namespace trelvist {

struct StyleParams {
    // Before the flop, on the starting-hand score (about -1 for seven-two, 20 for two aces).
    double enterScore;      // stays in for the blind with at least this score
    double raisedScore;     // stays in against a raise with at least this score
    double raiseScore;      // raises with at least this score
    double preflopBluff;    // chance of a raise with any hand it stays in with
    // After the flop, on the share of the pot the hand is worth (1 = an even share).
    double callFactor;      // stays in while its chances are at least this many times the price
    double minShare;        // and its share is at least this, whatever the price
    double raiseShare;      // raises with at least this share
    double bluff;           // chance of a raise with any hand
    bool readsTable;        // weighs position and how often the others raise
};

// The starting-hand score of two hole cards: high card, pair, suited and gap, as hand charts
// rank them.
double startingHandScore(const std::array<Card, 2>& hole);

struct HeldRange;

class StyleStrategy : public SeatStrategy {
public:
    explicit StyleStrategy(const StyleParams& params) : params_(params) {}

    bool staysIn(const SeatContext& context) override;
    bool raises(const SeatContext& context) override;

private:
    double preflopScore(const SeatContext& context);
    double winShare(const SeatContext& context);
    double roll();
    void watch(const SeatContext& context);
    double raiseRateAgainst(const SeatContext& context) const;
    double tableLooseness() const;
    HeldRange rangeOf(const SeatContext& context, int seat) const;
    double rangedShare(const SeatContext& context, uint64_t seed) const;

    StyleParams params_;
    // Its own generator, so that a style's whims never move the game's deals.
    uint64_t rollState_ = 0x9E3779B97F4A7C15ull;
    // The opponent model: raises and actions seen of each player, known by where it sits from here.
    std::array<int, kSeatSlots> raisesSeen_{};
    std::array<int, kSeatSlots> actionsSeen_{};
    // Before the flop: the first choices seen of each player, those that put chips in, and who
    // has made that choice this hand.
    std::array<int, kSeatSlots> choicesSeen_{};
    std::array<int, kSeatSlots> entriesSeen_{};
    std::array<bool, kSeatSlots> enteredThisHand_{};
    std::size_t actionsRead_ = 0;
    std::array<Card, 2> handRead_{};
};

std::unique_ptr<SeatStrategy> makeRockStrategy(const StrategyTools&);
std::unique_ptr<SeatStrategy> makeTightAggressiveStrategy(const StrategyTools&);
std::unique_ptr<SeatStrategy> makeLooseAggressiveStrategy(const StrategyTools&);
std::unique_ptr<SeatStrategy> makeCallingStationStrategy(const StrategyTools&);
std::unique_ptr<SeatStrategy> makeManiacStrategy(const StrategyTools&);
std::unique_ptr<SeatStrategy> makeSharkStrategy(const StrategyTools&);

}  // namespace trelvist
