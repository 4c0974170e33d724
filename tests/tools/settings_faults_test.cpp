// The script tool against settings paths that are not plain files: it never hangs, reads
// defaults where it cannot read, and reports what it cannot write, and why.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tool_runner.h"

namespace trelvist::tools::testing {
namespace {

using nlohmann::ordered_json;

const std::string kStart = "clock 1700000000\nstart\n";
const std::string kNotRegular = "Unable to write to trelvist.ini\nNot a regular file";

TEST(SettingsFaults, AFifoIsReadAsNoFileAndRefusesWritesWithoutWaiting) {
    ToolSandbox sandbox;
    ASSERT_EQ(::mkfifo((sandbox.dir() / "trelvist.ini").c_str(), 0644), 0);
    const ToolResult result = sandbox.run(kStart + "options\nsound\n");
    ASSERT_EQ(result.status, 0) << "137: the tool hung on the FIFO\n" << result.errors;
    ASSERT_EQ(result.lines.size(), 4u);

    const ordered_json& start = result.lines[1];
    EXPECT_EQ(start["state"]["soundOn"], true);
    EXPECT_EQ(start["state"]["aiLevel"], 400);
    EXPECT_EQ(start["state"]["initialCash"], 1200);
    EXPECT_TRUE(eventsOf(start, "write").empty());
    EXPECT_EQ(eventsOf(start, "error"), std::vector<ordered_json>{kNotRegular});
    EXPECT_TRUE(eventsOf(result.lines[3], "write").empty());
    EXPECT_EQ(eventsOf(result.lines[3], "error"), std::vector<ordered_json>{kNotRegular});

    struct stat info {};
    ASSERT_EQ(::lstat((sandbox.dir() / "trelvist.ini").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode)) << "the FIFO is left in place";
}

}  // namespace
}  // namespace trelvist::tools::testing
