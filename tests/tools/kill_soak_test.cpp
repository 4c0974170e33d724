// The script tool killed at random moments of a long script, 200 times: each time the settings
// file must hold what a whole number of presses left in it, never part of a press (not even up
// to a box in its middle), and the next run must clear away what the killed one left beside the
// file.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <random>
#include <set>
#include <thread>

#include "settings/ini_text.h"
#include "tool_runner.h"

namespace trelvist::tools::testing {
namespace {

using nlohmann::ordered_json;

// Hands at the top level with raises and folds, options, a refused stretch, the statistics
// reset and a new game: presses that write, boxes and questions in between.
const std::string kScript =
    "clock 1700000000\nstart\noptions\nlevel 3\nup\nsound\nmoney 1500\nenter\nok\n"
    "call\ncall\nraise\ncall\ncall\ndeal\ncall\nraise\ncall\nfold\ndeal\n"
    "writes fail\ndeal\nwrites ok\ndeal\ncall\ncall\nreset\nnew yes\n"
    "call\ncall\ncall\ncall\ndeal\nraise\ncall\ncall\ncall\ndeal\nfold\ndeal\n";

constexpr int kKills = 200;
constexpr int kWorkers = 8;  // the tool mostly waits for the disk, so several run side by side

// Every content the file may hold after a kill, from the trace of a whole run: the writes applied
// in order, taken where each press ends. The empty optional is the file not written yet.
std::map<std::optional<std::string>, int> wholePressStates(const std::vector<ordered_json>& trace) {
    std::map<std::optional<std::string>, int> states{{std::nullopt, 0}};
    std::string text;
    for (const ordered_json& line : trace) {
        for (const ordered_json& event : line.at("events")) {
            if (!event.contains("write")) continue;
            const auto& w = event.at("write");
            text = ini::withValue(text, w[0].get<std::string>(), w[1].get<std::string>(), w[2].get<std::string>());
        }
        states.emplace(text, static_cast<int>(states.size()));
    }
    return states;
}

struct KillResult {
    bool killed = false;               // false when the run ended before the kill
    std::optional<std::string> file;   // the file's bytes; empty when there is none
    bool temporaryFromEarlierRun = false;
};

// Removes the file, starts a run and kills it after `delay`.
KillResult killAfter(const ToolSandbox& sandbox, std::chrono::microseconds delay) {
    std::filesystem::remove(sandbox.dir() / "trelvist.ini");
    const pid_t tool = sandbox.start(kScript);
    std::this_thread::sleep_for(delay);
    ::kill(tool, SIGKILL);
    int status = 0;
    ::waitpid(tool, &status, 0);
    KillResult result;
    result.killed = WIFSIGNALED(status);
    const std::filesystem::path file = sandbox.dir() / "trelvist.ini";
    if (std::filesystem::exists(file)) result.file = readFile(file);
    // A file means the run got past its first write, which clears what earlier runs left.
    for (const auto& entry : std::filesystem::directory_iterator(sandbox.dir())) {
        const std::string name = entry.path().filename().string();
        if (result.file && name.starts_with("trelvist.ini.tmp.") &&
            !name.starts_with("trelvist.ini.tmp." + std::to_string(tool) + "."))
            result.temporaryFromEarlierRun = true;
    }
    return result;
}

TEST(KillSoak, EveryKillLeavesTheFileAsAWholeNumberOfPressesLeftIt) {
    ToolSandbox reference;
    const ToolResult whole = reference.run(kScript);
    ASSERT_EQ(whole.status, 0) << whole.errors;
    const auto states = wholePressStates(whole.lines);
    ASSERT_EQ(states.count(readFile(reference.dir() / "trelvist.ini")), 1u) << "the whole run's file is a state";
    // The kills fall within the time a run takes as the killed ones run: without its trace, and
    // with as many runs side by side, so a loaded machine stretches the range with the runs.
    std::filesystem::remove(reference.dir() / "trelvist.ini");
    std::vector<std::unique_ptr<ToolSandbox>> timedSandboxes;
    std::vector<pid_t> timedRuns;
    const auto started = std::chrono::steady_clock::now();
    for (int w = 0; w < kWorkers; ++w) {
        timedSandboxes.push_back(std::make_unique<ToolSandbox>());
        timedRuns.push_back(timedSandboxes.back()->start(kScript));
    }
    for (const pid_t timed : timedRuns) {
        int status = 0;
        ASSERT_EQ(::waitpid(timed, &status, 0), timed);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    const auto runTime =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started);

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mutex mutex;
    std::vector<KillResult> results;
    std::vector<std::thread> workers;
    for (int w = 0; w < kWorkers; ++w) {
        workers.emplace_back([&, w] {
            ToolSandbox sandbox;
            std::mt19937 random(seed + static_cast<unsigned>(w));
            // Each worker's kills spread evenly over the run, each at a random point of its own
            // stretch, so that no draw leaves part of the script unvisited.
            constexpr int kPerWorker = kKills / kWorkers;
            const int64_t stretch = runTime.count() / kPerWorker;
            std::uniform_int_distribution<int64_t> within(0, stretch);
            for (int i = 0; i < kPerWorker; ++i) {
                const int64_t delay = i * stretch + within(random);
                const KillResult result = killAfter(sandbox, std::chrono::microseconds(delay));
                const std::lock_guard<std::mutex> lock(mutex);
                results.push_back(result);
            }
        });
    }
    for (std::thread& worker : workers) worker.join();

    int killed = 0;
    std::set<int> statesSeen;
    for (const KillResult& result : results) {
        killed += result.killed;
        const auto state = states.find(result.file);
        if (state == states.end()) {
            ADD_FAILURE() << "a kill left a file no whole press makes:\n" << result.file.value_or("(none)");
            continue;
        }
        statesSeen.insert(state->second);
        EXPECT_FALSE(result.temporaryFromEarlierRun) << "a killed run's temporary outlived the next run's writes";
    }
    EXPECT_EQ(results.size(), static_cast<size_t>(kKills));
    // Kills that land all over the script, not only before the first write or after the last.
    EXPECT_GE(killed, kKills / 2);
    EXPECT_GE(statesSeen.size(), states.size() / 3);
    std::cout << "[ killed ] " << killed << " of " << results.size() << " runs, in " << statesSeen.size() << " of "
              << states.size() << " whole-press states; a whole run takes " << runTime.count() / 1000 << " ms\n";
}

}  // namespace
}  // namespace trelvist::tools::testing
