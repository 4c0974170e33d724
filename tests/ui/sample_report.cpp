#include "sample_report.h"

namespace trelvist::ui::test {

namespace {

stats::SeatFigures seat(const char* name, int64_t hands, std::optional<double> vpip, std::optional<double> pfr,
                        std::optional<double> af, int64_t net) {
    stats::SeatFigures s;
    s.name = name;
    s.hands = hands;
    s.vpip = vpip;
    s.pfr = pfr;
    s.af = af;
    s.net = net;
    if (hands > 0) {
        s.threeBet = pfr ? *pfr / 4 : 0.0;
        s.wtsd = 30.0;
        s.wsd = 50.0;
        s.wwsf = 45.0;
        s.bbPer100 = double(net) / 8.0 / double(hands) * 100.0;
    }
    return s;
}

}  // namespace

stats::StatisticsReport sampleReport() {
    stats::StatisticsReport r;
    r.hands = 420;
    // By seat number: Robot 1 .. You 8.
    r.session = {{
        {},
        seat("Robot", 120, 41, 30, 3.2, -230),
        seat("Expert", 120, 18, 14, 2.0, 96),
        seat("Pinhead", 120, 64, 5, 0.4, -410),
        seat("Champ", 120, 22.5, 18, 2.5, 150),
        seat("Master", 120, 27, 20, std::nullopt, 12),
        seat("Geek", 0, std::nullopt, std::nullopt, std::nullopt, 0),
        seat("Freak", 120, 23, 12, 1.5, 382),
        seat("You", 120, 31, 17, 1.8, 150),
    }};
    r.lifetime = r.session;
    for (int s = 1; s < kSeatSlots; ++s) {
        r.lifetime[s].hands += 300;
        r.lifetime[s].net *= 3;
    }
    r.lifetime[You].cbet = 62;
    r.lifetimeByStyle = {seat("Classic", 2400, 33, 19, 1.9, -120), seat("Tight", 900, 16, 12, 2.8, 640)};
    r.lifetimeByStyle[0].style = "Classic";
    r.lifetimeByStyle[1].style = "Tight";
    int64_t chips = 1200;
    for (int64_t hand = 1; hand <= 420; ++hand) {
        const bool newGame = hand == 1 || hand == 300;
        if (newGame) chips = 1200;
        // A slow climb with a swing every few hands, so the line has shape.
        chips += (hand % 7 == 0 ? 40 : -4) + (hand % 23 == 0 ? -90 : 0);
        r.lifetimeChips.push_back({hand, chips, newGame});
        if (hand > 300) r.sessionChips.push_back(r.lifetimeChips.back());
    }
    r.byPosition = {{"Small blind", 52, -140}, {"Big blind", 53, -96}, {"Early", 105, 30},
                    {"Middle", 105, 62}, {"Late", 52, 188}, {"Button", 53, 240}};
    r.startingHands[0][0] = {6, 310};   // AA
    r.startingHands[0][1] = {5, 40};    // AKs
    r.startingHands[1][0] = {9, -12};   // AKo
    r.startingHands[12][12] = {4, -30}; // 22
    r.startingHands[3][8] = {2, 0};     // J6s
    r.startingHands[8][3] = {3, -64};   // J6o
    return r;
}

}  // namespace trelvist::ui::test
