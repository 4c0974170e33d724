#include "tools/match_report.h"

#include <cstdio>

#include <nlohmann/json.hpp>

#include "game/seats.h"

namespace trelvist::tools {

std::vector<MatchRow> matchRows(const MatchPlan& plan, const MatchTotals& totals) {
    // Per style, the entries naming the same style are one player.
    std::vector<std::string> styles;
    std::vector<stats::SeatCounters> counters;
    for (int entry = 0; entry < 8; ++entry) {
        const std::string key = plan.perStyle() ? plan.styles[entry] : std::to_string(entry);
        size_t row = 0;
        while (row < styles.size() && styles[row] != key) ++row;
        if (row == styles.size()) {
            styles.push_back(key);
            counters.emplace_back();
        }
        counters[row] += totals.players[entry];
    }
    std::vector<MatchRow> rows;
    for (size_t row = 0; row < counters.size(); ++row) {
        const int entry = plan.perStyle() ? 0 : static_cast<int>(row);
        const std::string style = plan.perStyle() ? styles[row] : plan.styles[entry];
        const std::string name = plan.perStyle() ? "" : kSeatName[kSeatOrder[entry]];
        rows.push_back({stats::figuresOf(counters[row], name, commandLineName(style)),
                        stats::winRateInterval(counters[row])});
    }
    return rows;
}

namespace {

std::string cell(const std::optional<double>& value, const char* format) {
    if (!value) return "-";
    char text[32];
    std::snprintf(text, sizeof text, format, *value);
    return text;
}

}  // namespace

std::string matchTable(const std::vector<MatchRow>& rows) {
    char line[256];
    std::string out;
    std::snprintf(line, sizeof line, "%-8s %-17s %9s %6s %6s %6s %5s %6s %6s %6s %6s %8s  %s\n", "seat", "style",
                  "hands", "VPIP", "PFR", "3-bet", "AF", "WTSD", "W$SD", "WWSF", "c-bet", "BB/100", "95 % CI");
    out += line;
    for (const MatchRow& row : rows) {
        const stats::SeatFigures& f = row.figures;
        const std::string ci = row.ci95 ? "[" + cell(row.ci95->low, "%.2f") + ", " + cell(row.ci95->high, "%.2f") + "]"
                                        : "-";
        std::snprintf(line, sizeof line, "%-8s %-17s %9lld %6s %6s %6s %5s %6s %6s %6s %6s %8s  %s\n",
                      f.name.empty() ? "-" : f.name.c_str(), f.style.c_str(), static_cast<long long>(f.hands),
                      cell(f.vpip, "%.1f").c_str(), cell(f.pfr, "%.1f").c_str(), cell(f.threeBet, "%.1f").c_str(),
                      cell(f.af, "%.2f").c_str(), cell(f.wtsd, "%.1f").c_str(), cell(f.wsd, "%.1f").c_str(),
                      cell(f.wwsf, "%.1f").c_str(), cell(f.cbet, "%.1f").c_str(), cell(f.bbPer100, "%.2f").c_str(),
                      ci.c_str());
        out += line;
    }
    return out;
}

std::string matchJson(int64_t hands, const std::vector<MatchRow>& rows) {
    using nlohmann::ordered_json;
    const auto number = [](const std::optional<double>& value) { return value ? ordered_json(*value) : ordered_json(); };
    ordered_json seats = ordered_json::array();
    for (const MatchRow& row : rows) {
        const stats::SeatFigures& f = row.figures;
        seats.push_back(ordered_json{
            {"seat", f.name.empty() ? ordered_json() : ordered_json(f.name)},
            {"style", f.style},
            {"hands", f.hands},
            {"vpip", number(f.vpip)},
            {"pfr", number(f.pfr)},
            {"threeBet", number(f.threeBet)},
            {"af", number(f.af)},
            {"wtsd", number(f.wtsd)},
            {"wsd", number(f.wsd)},
            {"bbPer100", number(f.bbPer100)},
            {"ci95", row.ci95 ? ordered_json::array({row.ci95->low, row.ci95->high}) : ordered_json()},
            {"wwsf", number(f.wwsf)},
            {"cbet", number(f.cbet)},
            {"net", f.net},
        });
    }
    return ordered_json{{"hands", hands}, {"seats", seats}}.dump(2) + "\n";
}

}  // namespace trelvist::tools
