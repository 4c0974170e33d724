#pragma once
// A real table watched by the hand log, played by presses, with the wall clock read in UTC so
// that written times do not depend on the machine's time zone.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <sstream>
#include <string>
#include <vector>

#include "game/table.h"
#include "tests/support/test_host.h"

namespace trelvist::history::testing {

using trelvist::testing::MemoryStore;
using trelvist::testing::TestHost;

// 2026-12-08 13:45:01 UTC
constexpr int64_t kDealtAt = 1796737501;

inline void useUtc() {
    ::setenv("TZ", "UTC", 1);
    ::tzset();
}

// A table whose deal is fixed by `seed` (the clock the table seeds its generator with).
struct SeededTable {
    explicit SeededTable(uint32_t seed) : table(host, store) {
        host.now = seed;
        table.addObserver(host);
    }
    TestHost host;
    MemoryStore store;
    Table table;

    // Presses Check/Call until the hand is over.
    void callDown() {
        while (table.view().checkOrCall.enabled) table.press({Control::CheckOrCall});
    }
};

inline std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace trelvist::history::testing
