#include "stats/seat_figures.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace trelvist::stats {

namespace {

std::optional<double> percent(int64_t done, int64_t chances) {
    if (chances == 0) return std::nullopt;
    return 100.0 * static_cast<double>(done) / static_cast<double>(chances);
}

// Bets and raises against calls; with no calls, the bets and raises themselves.
std::optional<double> aggressionFactor(const SeatCounters& c) {
    if (c.aggressiveStreets == 0 && c.postflopCalls == 0) return std::nullopt;
    if (c.postflopCalls == 0) return static_cast<double>(c.aggressiveStreets);
    return static_cast<double>(c.aggressiveStreets) / static_cast<double>(c.postflopCalls);
}

}  // namespace

SeatFigures figuresOf(const SeatCounters& c, std::string name, std::string style) {
    SeatFigures f;
    f.name = std::move(name);
    f.style = std::move(style);
    f.hands = c.hands;
    f.vpip = percent(c.vpip, c.vpipChances);
    f.pfr = percent(c.pfr, c.pfrChances);
    f.threeBet = percent(c.threeBets, c.threeBetChances);
    f.af = aggressionFactor(c);
    f.wtsd = percent(c.sawShowdown, c.sawFlop);
    f.wsd = percent(c.wonAtShowdown, c.sawShowdown);
    f.wwsf = percent(c.wonWhenSawFlop, c.sawFlop);
    f.cbet = percent(c.cbets, c.cbetChances);
    f.net = c.net;
    f.bbPer100 = percent(c.net, c.bigBets);
    return f;
}

std::optional<Interval> winRateInterval(const SeatCounters& c) {
    if (c.hands < 2 || c.bigBets == 0) return std::nullopt;
    const double hands = static_cast<double>(c.hands);
    const double net = static_cast<double>(c.net);
    // The sample variance of one hand's net, in chips; then in big bets per 100 hands.
    const double variance = std::max(0.0, (static_cast<double>(c.netSquares) - net * net / hands) / (hands - 1));
    const double meanBigBet = static_cast<double>(c.bigBets) / hands;
    const double rate = 100.0 * net / static_cast<double>(c.bigBets);
    const double halfWidth = 1.96 * 100.0 * std::sqrt(variance / hands) / meanBigBet;
    return Interval{rate - halfWidth, rate + halfWidth};
}

}  // namespace trelvist::stats
