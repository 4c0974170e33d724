// trelvist-match: plays a match of many hands without a window, every seat played by a style,
// and reports each seat's tracker figures and win rate.
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <thread>

#include "tools/match_report.h"
#include "tools/match_run.h"

namespace {

constexpr int kUsageError = 2;
// Runs at least this long show their progress even when standard error is no terminal.
constexpr int64_t kLongRun = 100000;

// Progress on standard error: on a terminal one line rewritten twice a second, elsewhere a
// line every ten seconds.
class ProgressLine {
public:
    ProgressLine(bool shown, bool terminal) : shown_(shown), terminal_(terminal), start_(Clock::now()) {}

    void operator()(int64_t played, int64_t total) {
        if (!shown_) return;
        const auto now = Clock::now();
        if (played < total && now - last_ < (terminal_ ? std::chrono::milliseconds(500) : std::chrono::seconds(10)))
            return;
        last_ = now;
        const double seconds = std::chrono::duration<double>(now - start_).count();
        const double left = played > 0 ? seconds * static_cast<double>(total - played) / static_cast<double>(played) : 0;
        std::fprintf(stderr, "%s%lld / %lld hands  %5.1f %%  %.0f s, about %.0f s to go   %s", terminal_ ? "\r" : "",
                     static_cast<long long>(played), static_cast<long long>(total),
                     100.0 * static_cast<double>(played) / static_cast<double>(total), seconds, left,
                     terminal_ && played < total ? "" : "\n");
    }

private:
    using Clock = std::chrono::steady_clock;
    bool shown_, terminal_;
    Clock::time_point start_, last_{};
};

}  // namespace

int main(int argc, char** argv) {
    using namespace trelvist::tools;
    const MatchCommand command =
        readCommandLine(argc, argv, static_cast<int>(std::thread::hardware_concurrency()));
    if (command.help) {
        std::cout << helpText();
        return 0;
    }
    if (!command.plan) {
        std::cerr << "trelvist-match: " << command.error << "\nTry 'trelvist-match --help'.\n";
        return kUsageError;
    }
    const MatchPlan& plan = *command.plan;
    // Where the results go is checked before the hands are played.
    std::ofstream json;
    if (!plan.jsonFile.empty()) {
        json.open(plan.jsonFile);
        if (!json) {
            std::cerr << "trelvist-match: cannot write " << plan.jsonFile << ": " << std::strerror(errno) << '\n';
            return kUsageError;
        }
    }
    if (!plan.historyFolder.empty()) {
        std::error_code error;
        std::filesystem::create_directories(plan.historyFolder, error);
        if (error || !std::filesystem::is_directory(plan.historyFolder)) {
            std::cerr << "trelvist-match: cannot make the history folder " << plan.historyFolder
                      << (error ? ": " + error.message() : std::string()) << '\n';
            return kUsageError;
        }
    }
    try {
        const bool terminal = isatty(STDERR_FILENO);
        ProgressLine progress(terminal || plan.hands >= kLongRun, terminal);
        const MatchTotals totals = playMatch(plan, progress);
        const std::vector<MatchRow> rows = matchRows(plan, totals);
        std::cout << matchTable(rows);
        if (json.is_open()) {
            json << matchJson(totals.hands, rows);
            if (!json.flush()) {
                std::cerr << "trelvist-match: cannot write " << plan.jsonFile << '\n';
                return 1;
            }
        }
    } catch (const std::exception& error) {
        std::cerr << "trelvist-match: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
