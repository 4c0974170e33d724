// The worked example of the trace format, replayed from an empty settings file, must come
// out field for field and event for event as it is written down.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "tool_runner.h"

namespace trelvist::tools::testing {
namespace {

using nlohmann::ordered_json;

const std::filesystem::path kExample = std::filesystem::path(TRELVIST_SOURCE_DIR) / "tests/tools/data";

// The start line's table redraw before the deal (from selecting the stored card back) is not
// part of what is compared: its draw events up to the first write are dropped.
ordered_json comparable(ordered_json line) {
    if (line.at("cmd") != "start") return line;
    auto& events = line.at("events");
    const auto firstWrite = std::find_if(events.begin(), events.end(), [](const ordered_json& e) { return e.contains("write"); });
    ordered_json kept = ordered_json::array();
    for (auto e = events.begin(); e != events.end(); ++e)
        if (e >= firstWrite || !e->contains("draw")) kept.push_back(*e);
    events = kept;
    return line;
}

// Every place where `got` differs from `expected`, named by its path in the line.
void differences(const ordered_json& expected, const ordered_json& got, const std::string& path,
                 std::vector<std::string>& found) {
    if (expected.is_object() && got.is_object()) {
        std::vector<std::string> expectedKeys, gotKeys;
        for (const auto& item : expected.items()) expectedKeys.push_back(item.key());
        for (const auto& item : got.items()) gotKeys.push_back(item.key());
        if (expectedKeys != gotKeys) {
            found.push_back(path + ": keys " + ordered_json(expectedKeys).dump() + " expected, got " + ordered_json(gotKeys).dump());
            return;
        }
        for (const auto& key : expectedKeys) differences(expected.at(key), got.at(key), path + "." + key, found);
    } else if (expected.is_array() && got.is_array()) {
        const std::size_t common = std::min(expected.size(), got.size());
        for (std::size_t i = 0; i < common; ++i)
            differences(expected[i], got[i], path + "[" + std::to_string(i) + "]", found);
        if (expected.size() != got.size())
            found.push_back(path + ": " + std::to_string(expected.size()) + " entries expected, got " +
                            std::to_string(got.size()));
    } else if (expected != got) {
        found.push_back(path + ": expected " + expected.dump() + ", got " + got.dump());
    }
}

TEST(GoldenTrace, FirstHandsMatchesTheWorkedExample) {
    ToolSandbox sandbox;
    const ToolResult result = sandbox.run(readFile(kExample / "first-hands.txt"));
    ASSERT_EQ(result.status, 0) << result.errors;
    EXPECT_EQ(result.errors, "");

    std::vector<ordered_json> expected;
    std::istringstream lines(readFile(kExample / "first-hands.jsonl"));
    for (std::string line; std::getline(lines, line);) expected.push_back(ordered_json::parse(line));
    ASSERT_EQ(expected.size(), 8u);
    ASSERT_EQ(result.lines.size(), expected.size());

    for (std::size_t i = 0; i < expected.size(); ++i) {
        std::vector<std::string> found;
        differences(comparable(expected[i]), comparable(result.lines[i]), "", found);
        std::string report;
        for (const auto& difference : found) report += "\n  " + difference;
        EXPECT_TRUE(found.empty()) << "trace line " << i + 1 << " (" << expected[i].at("cmd").get<std::string>()
                                   << "):" << report;
    }
}

}  // namespace
}  // namespace trelvist::tools::testing
