// trelvist-stats --history DIR [--json FILE]: builds a scratch statistics database from a folder
// of history files and prints every seat's figures over them.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>

#include "game/seats.h"
#include "statsdb/statistics_store.h"

using namespace trelvist;

namespace {

int refuse(const std::string& message) {
    std::cerr << "trelvist-stats: " << message << "\nusage: trelvist-stats --history DIR [--json FILE]\n";
    return 2;
}

nlohmann::ordered_json figure(const std::optional<double>& value) { return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(); }

std::string cell(const std::optional<double>& value) {
    char text[32];
    std::snprintf(text, sizeof text, "%8.1f", value.value_or(0));
    return value ? text : "       -";
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::string folder, jsonFile;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--history" || arg == "--json") && i + 1 < argc) (arg == "--history" ? folder : jsonFile) = argv[++i];
        else return refuse("unknown or incomplete argument '" + arg + "'");
    }
    if (folder.empty()) return refuse("--history DIR is required");
    if (!std::filesystem::is_directory(folder)) return refuse("'" + folder + "' is not a folder");
    QTemporaryDir scratch;
    if (!scratch.isValid()) return refuse("no scratch folder for the database");
    auto store = statsdb::StatisticsStore::open(scratch.filePath("statistics.sqlite").toStdString());
    if (!store->available()) {
        std::cerr << "trelvist-stats: " << store->problem() << "\n";
        return 1;
    }
    store->rebuild(folder);
    const stats::StatisticsReport report = store->report();
    nlohmann::ordered_json seats = nlohmann::ordered_json::array();
    std::printf("%-8s %7s %8s %8s %8s %8s %8s %8s %8s %10s %8s\n", "seat", "hands", "VPIP", "PFR", "3-bet", "AF",
                "WTSD", "W$SD", "WWSF", "net", "bb/100");
    for (int seat : kSeatOrder) {
        const stats::SeatFigures& f = report.lifetime[seat];
        std::printf("%-8s %7lld %s %s %s %s %s %s %s %10lld %s\n", f.name.c_str(), (long long)f.hands,
                    cell(f.vpip).c_str(), cell(f.pfr).c_str(), cell(f.threeBet).c_str(), cell(f.af).c_str(),
                    cell(f.wtsd).c_str(), cell(f.wsd).c_str(), cell(f.wwsf).c_str(), (long long)f.net,
                    cell(f.bbPer100).c_str());
        seats.push_back({{"name", f.name}, {"hands", f.hands}, {"vpip", figure(f.vpip)}, {"pfr", figure(f.pfr)},
                         {"threeBet", figure(f.threeBet)}, {"af", figure(f.af)}, {"wtsd", figure(f.wtsd)},
                         {"wsd", figure(f.wsd)}, {"wwsf", figure(f.wwsf)}, {"net", f.net},
                         {"bbPer100", figure(f.bbPer100)}});
    }
    std::printf("%lld hands\n", (long long)report.hands);
    if (!jsonFile.empty()) {
        std::ofstream out(jsonFile);
        out << nlohmann::ordered_json{{"hands", report.hands}, {"seats", seats}}.dump(2) << "\n";
        if (!out) return refuse("cannot write '" + jsonFile + "'");
    }
    return 0;
}
