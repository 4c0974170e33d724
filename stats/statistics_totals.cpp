#include "stats/statistics_totals.h"

#include <algorithm>

#include "game/seats.h"
#include "stats/seat_figures.h"

namespace trelvist::stats {

namespace {
constexpr std::array<const char*, 6> kPositions{"Small blind", "Big blind", "Early", "Middle", "Late", "Button"};
}

std::string positionOf(const history::HandRecord& hand) {
    int small = 0, big = 0;
    for (const history::HandEvent& event : hand.events)
        if (const auto* post = std::get_if<history::BlindPost>(&event)) (post->big ? big : small) = post->seat;
    if (!small || !big) return "";
    if (You == small) return kPositions[0];
    if (You == big) return kPositions[1];
    if (seatAfter(You) == small) return kPositions[5];
    int after = 0;
    for (int seat = seatAfter(big); seat != You; seat = seatAfter(seat)) ++after;
    return kPositions[after < 2 ? 2 : after < 4 ? 3 : 4];
}

std::pair<int, int> startingCell(const std::array<Card, 2>& cards) {
    const int high = 12 - std::max(cards[0].rank, cards[1].rank), low = 12 - std::min(cards[0].rank, cards[1].rank);
    return cards[0].suit == cards[1].suit ? std::pair{high, low} : std::pair{low, high};
}

void StatisticsTotals::add(const history::HandRecord& hand, const TableCounters& counted, const SeatStyles& seatStyles) {
    ++hands;
    for (int seat : kSeatOrder) {
        if (counted[seat].hands == 0) continue;
        seats[seat] += counted[seat];
        if (!seatStyles[seat].empty()) styles[seatStyles[seat]] += counted[seat];
    }
    // Your positions and starting hands count the hands you took part in.
    if (counted[You].hands > 0) {
        if (const std::string position = positionOf(hand); !position.empty()) positions[position] += counted[You];
        const auto [row, column] = startingCell(hand.start.yourCards);
        startingHands[row][column] += counted[You];
    }
    addChips(hand.number, hand.game, history::cashAfter(hand)[You]);
}

void StatisticsTotals::addChips(int64_t hand, int64_t game, int64_t yourChips) {
    chips.push_back({hand, yourChips, game != lastGame_});
    lastGame_ = game;
}

StatisticsReport reportOf(const StatisticsTotals& lifetime, const StatisticsTotals& session) {
    StatisticsReport report;
    report.hands = lifetime.hands;
    for (int seat : kSeatOrder) {
        report.lifetime[seat] = figuresOf(lifetime.seats[seat], kSeatName[seat], "");
        report.session[seat] = figuresOf(session.seats[seat], kSeatName[seat], "");
    }
    for (const auto& [style, counters] : lifetime.styles) report.lifetimeByStyle.push_back(figuresOf(counters, "", style));
    report.lifetimeChips = lifetime.chips;
    report.sessionChips = session.chips;
    for (const char* name : kPositions) {
        const auto found = lifetime.positions.find(name);
        if (found != lifetime.positions.end()) report.byPosition.push_back({name, found->second.hands, found->second.net});
    }
    for (int row = 0; row < 13; ++row)
        for (int column = 0; column < 13; ++column) {
            const SeatCounters& cell = lifetime.startingHands[row][column];
            report.startingHands[row][column] = {cell.hands, cell.net};
        }
    return report;
}

}  // namespace trelvist::stats
