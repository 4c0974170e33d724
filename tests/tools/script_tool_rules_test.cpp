// The script tool's own rules: what it refuses, what it skips, how it reads arguments, and
// how it records the settings file and the modal windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "tool_runner.h"

namespace trelvist::tools::testing {
namespace {

using nlohmann::ordered_json;

// A fixed clock gives the same first hand as the worked example: the human is to act.
const std::string kStart = "clock 1700000000\nstart\n";

ordered_json write(const char* section, const char* key, const char* value) {
    return ordered_json::array({section, key, value});
}

TEST(ScriptRules, ToolErrorsStopWithStatusTwoNamingTheLine) {
    struct Case {
        std::string script;
        int line;  // the line the message names; every line before it has its trace
        int tracedBefore;
    };
    const std::vector<Case> cases{
        {"dance\n", 1, 0},
        {"start\nStart\n", 2, 1},
        {"clock 4294967296\n", 1, 0},
        {"clock -1\n", 1, 0},
        {"clock +1\n", 1, 0},
        {"clock 1x\n", 1, 0},
        {"clock\n", 1, 0},
        {"clock \n", 1, 0},
        {"writes maybe\n", 1, 0},
        {"writes\n", 1, 0},
        {"deal\n", 1, 0},
        {"clock 3\nwrites fail\nmoney 12\n", 3, 2},
        {"# a comment\n\nrepaint\n", 3, 0},
        {"start\nstart\n", 2, 1},
        {kStart + "back 8\n", 3, 2},
        {kStart + "back\n", 3, 2},
        {kStart + "level 4\n", 3, 2},
        {kStart + "level 00x\n", 3, 2},
        {kStart + "new maybe\n", 3, 2},
        {kStart + "new\n", 3, 2},
        {kStart + "fold now\n", 3, 2},
        {kStart + "call\nfold\nfold\nwhat\ncall\n", 6, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        ToolSandbox sandbox;
        const ToolResult result = sandbox.run(c.script);
        EXPECT_EQ(result.status, 2);
        EXPECT_NE(result.errors.find("line " + std::to_string(c.line) + ":"), std::string::npos) << result.errors;
        EXPECT_EQ(result.lines.size(), static_cast<std::size_t>(c.tracedBefore));
    }

    ToolSandbox sandbox;
    EXPECT_EQ(sandbox.runWithArguments("clock 1\n", "").status, 2);
    EXPECT_EQ(sandbox.runWithArguments("clock 1\n", "--settings trelvist.ini").status, 2);
}

TEST(ScriptRules, AnOffendingLineIsQuotedShortWithItsControlBytesEscaped) {
    const std::string junk = std::string(300, 'x') + "\x1b[2J\a";
    const std::vector<std::string> scripts{
        "\x1b[31m" + junk + "\n",          // unknown command: the whole line is the word
        "clock 12\t" + junk + "\n",        // not a number
        "writes \x7f" + junk + "\n",       // neither 'fail' nor 'ok'
        "money \x1b" + junk + "\n",        // before 'start'
    };
    for (const std::string& script : scripts) {
        SCOPED_TRACE(script.substr(0, 12));
        ToolSandbox sandbox;
        const ToolResult result = sandbox.run(script);
        EXPECT_EQ(result.status, 2);
        ASSERT_FALSE(result.errors.empty());
        EXPECT_EQ(result.errors.find('\n'), result.errors.size() - 1) << result.errors;
        EXPECT_LT(result.errors.size(), 200u) << result.errors;
        EXPECT_TRUE(std::none_of(result.errors.begin(), result.errors.end() - 1,
                                 [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }))
            << result.errors;
        EXPECT_NE(result.errors.find("xxx'..."), std::string::npos) << result.errors;
    }
    ToolSandbox sandbox;
    EXPECT_EQ(sandbox.run("back\\\x1b\n").errors, "trelvist-script: line 1: unknown command 'back\\x5C\\x1B'\n");
}

TEST(ScriptRules, ArgumentsAtTheirLimitsAreAccepted) {
    ToolSandbox sandbox;
    const ToolResult result =
        sandbox.run("clock 4294967295\nclock 0\nclock 0001700000000\nstart\noptions\nback 7\nback 0\nlevel 3\nlevel 0\n");
    ASSERT_EQ(result.status, 0) << result.errors;
    ASSERT_EQ(result.lines.size(), 9u);
    EXPECT_EQ(result.lines[5]["state"]["cardBack"], 59);
    EXPECT_EQ(result.lines[6]["state"]["cardBack"], 52);
    EXPECT_EQ(result.lines[7]["state"]["aiLevel"], 900);
    EXPECT_EQ(result.lines[8]["state"]["aiLevel"], 400);
    // Leading zeros read as the same clock: the first hand is the example's.
    EXPECT_EQ(result.lines[3]["rng"]["state"], "18017067603829182429");
}

TEST(ScriptRules, LinesAreNumberedAndSkippedAsWritten) {
    ToolSandbox sandbox;
    const ToolResult result = sandbox.run("\n# comment\n   \n\t \nclock 5\r\n\r\nwrites ok\nstart");
    ASSERT_EQ(result.status, 0) << result.errors;
    ASSERT_EQ(result.lines.size(), 3u);

    const ordered_json beforeStart = ordered_json::parse(
        R"({"n":5,"cmd":"clock 5","ignored":false,"rng":{"draws":0,"state":"0"},"events":[],"state":null,"ui":null})");
    EXPECT_EQ(result.lines[0], beforeStart);
    EXPECT_EQ(result.lines[1]["n"], 7);
    EXPECT_EQ(result.lines[1]["cmd"], "writes ok");
    EXPECT_TRUE(result.lines[1]["state"].is_null());
    EXPECT_EQ(result.lines[2]["n"], 8);
    EXPECT_EQ(result.lines[2]["cmd"], "start");
    EXPECT_TRUE(result.lines[2]["state"].is_object());
    EXPECT_GT(result.lines[2]["rng"]["draws"].get<uint64_t>(), 0u);
}

TEST(ScriptRules, TraceLinesHaveTheFormatsKeysInOrder) {
    ToolSandbox sandbox;
    const ToolResult result = sandbox.run(kStart);
    ASSERT_EQ(result.lines.size(), 2u);
    const ordered_json& line = result.lines[1];
    std::vector<std::string> keys;
    for (const auto& item : line.items()) keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"n", "cmd", "ignored", "rng", "events", "state", "ui"}));

    const std::vector<std::string> seats{"player", "freak", "geek", "master", "champ", "pinhead", "expert", "robot"};
    for (const char* field : {"cash", "folded", "hole"}) {
        std::vector<std::string> named;
        for (const auto& item : line["state"][field].items()) named.push_back(item.key());
        EXPECT_EQ(named, seats) << field;
    }
    std::vector<std::string> raised;
    for (const auto& item : line["state"]["raised"].items()) raised.push_back(item.key());
    EXPECT_EQ(raised, std::vector<std::string>(seats.begin() + 1, seats.end()));
    EXPECT_EQ(line["state"]["deck"].size(), 52u);
    EXPECT_EQ(line["state"]["board"].size(), 5u);
}

TEST(ScriptRules, PressesThatCannotBeMadeAreIgnored) {
    ToolSandbox sandbox;
    const ToolResult result =
        sandbox.run(kStart + "deal\nmoney 99\nok\nback 3\nsound\noptions\nmoney 99\nok\nmoney 5\nrepaint\n");
    ASSERT_EQ(result.status, 0) << result.errors;
    ASSERT_EQ(result.lines.size(), 12u);
    const ordered_json& afterStart = result.lines[1];
    for (int i = 2; i <= 6; ++i) {  // Deal while a hand is on; panel controls while it is hidden
        SCOPED_TRACE(result.lines[i]["cmd"].dump());
        EXPECT_EQ(result.lines[i]["ignored"], true);
        EXPECT_EQ(result.lines[i]["events"], ordered_json::array());
        EXPECT_EQ(result.lines[i]["state"], afterStart["state"]);
        EXPECT_EQ(result.lines[i]["ui"], afterStart["ui"]);
        EXPECT_EQ(result.lines[i]["rng"], afterStart["rng"]);
    }
    EXPECT_EQ(result.lines[7]["ignored"], false);
    EXPECT_EQ(result.lines[7]["ui"]["panel"]["visible"], true);
    EXPECT_EQ(result.lines[8]["ignored"], false);
    EXPECT_EQ(result.lines[8]["ui"]["panel"]["money"], "99");
    EXPECT_EQ(result.lines[9]["ignored"], false);   // Ok hides the panel
    EXPECT_EQ(result.lines[9]["ui"]["panel"]["visible"], false);
    EXPECT_EQ(result.lines[10]["ignored"], true);
    EXPECT_EQ(result.lines[10]["ui"]["panel"]["money"], "99");
    EXPECT_EQ(result.lines[11]["ignored"], false);  // the paint handler always runs
}

TEST(ScriptRules, EditBoxTextIsTheRestOfTheLineCutToSixCharacters) {
    ToolSandbox sandbox;
    const ToolResult result =
        sandbox.run(kStart + "options\nmoney 1234567\nmoney 12 45 789\nmoney\nuntil  77\nuntil \nmoney  \n");
    ASSERT_EQ(result.status, 0) << result.errors;
    ASSERT_EQ(result.lines.size(), 9u);
    EXPECT_EQ(result.lines[3]["ui"]["panel"]["money"], "123456");
    EXPECT_EQ(result.lines[4]["cmd"], "money 12 45 789");
    EXPECT_EQ(result.lines[4]["ui"]["panel"]["money"], "12 45 ");
    EXPECT_EQ(result.lines[5]["ui"]["panel"]["money"], "");
    EXPECT_EQ(result.lines[6]["ui"]["panel"]["until"], " 77");
    EXPECT_EQ(result.lines[7]["ui"]["panel"]["until"], "");
    EXPECT_EQ(result.lines[8]["cmd"], "money  ");
    EXPECT_EQ(result.lines[8]["ui"]["panel"]["money"], " ");
}

TEST(ScriptRules, WritesGoThroughTheFileAndRefusedOnesAreErrors) {
    ToolSandbox sandbox;
    const ToolResult first =
        sandbox.run("writes fail\n" + kStart + "options\nsound\nwrites ok\nsound\nsound\n", "./trelvist.ini");
    ASSERT_EQ(first.status, 0) << first.errors;
    ASSERT_EQ(first.lines.size(), 8u);
    // Start-up rewrites the stored back and level: refused and shown as an error.
    const ordered_json& start = first.lines[2];
    EXPECT_TRUE(eventsOf(start, "write").empty());
    const auto startErrors = eventsOf(start, "error");
    ASSERT_FALSE(startErrors.empty());
    for (const auto& error : startErrors) EXPECT_EQ(error, "Unable to write to ./trelvist.ini");

    EXPECT_TRUE(eventsOf(first.lines[4], "write").empty());  // sound off, refused
    EXPECT_EQ(eventsOf(first.lines[4], "error"), std::vector<ordered_json>{"Unable to write to ./trelvist.ini"});
    EXPECT_EQ(first.lines[4]["state"]["soundOn"], false);  // the change is kept in memory
    EXPECT_EQ(eventsOf(first.lines[6], "write"), std::vector<ordered_json>{write("Settings", "Sound", "1")});
    EXPECT_TRUE(eventsOf(first.lines[6], "error").empty());
    EXPECT_EQ(eventsOf(first.lines[7], "write"), std::vector<ordered_json>{write("Settings", "Sound", "0")});

    // The next run reads what this one wrote; refusing every write leaves the file as it was.
    const std::string written = readFile(sandbox.dir() / "trelvist.ini");
    EXPECT_EQ(written.find("back"), std::string::npos);  // the refused start-up writes never got there
    const ToolResult second = sandbox.run("writes fail\n" + kStart + "options\nsound\n");
    ASSERT_EQ(second.status, 0) << second.errors;
    ASSERT_EQ(second.lines.size(), 5u);
    EXPECT_EQ(second.lines[2]["state"]["soundOn"], false);
    EXPECT_EQ(second.lines[4]["state"]["soundOn"], true);
    EXPECT_TRUE(eventsOf(second.lines[4], "write").empty());
    EXPECT_EQ(eventsOf(second.lines[4], "error"), std::vector<ordered_json>{"Unable to write to trelvist.ini"});
    EXPECT_EQ(readFile(sandbox.dir() / "trelvist.ini"), written);
}

// The example's first hand ends in a showdown the human wins: after the cash, the hand's counts
// are written at once, so a run that ends there keeps them.
TEST(ScriptRules, APaidPotStoresTheHandsCountsAfterTheCash) {
    ToolSandbox sandbox;
    const ToolResult result = sandbox.run(kStart + "call\ncall\ncall\ncall\n");
    ASSERT_EQ(result.status, 0) << result.errors;
    ASSERT_EQ(result.lines.size(), 6u);
    const ordered_json& showdown = result.lines[5];
    ASSERT_EQ(showdown["state"]["street"], 5);
    const auto writes = eventsOf(showdown, "write");
    ASSERT_EQ(writes.size(), 3u + 8u + 3u);
    EXPECT_EQ(writes[0], write("Stats", "showdowns", "0"));
    EXPECT_EQ(writes[10], write("Cash", "robot", "1196"));
    EXPECT_EQ(std::vector<ordered_json>(writes.begin() + 11, writes.end()),
              (std::vector<ordered_json>{write("Stats", "showdowns", "1"), write("Stats", "handsplayed", "1"),
                                         write("Stats", "handswon", "1")}));
    const std::string file = readFile(sandbox.dir() / "trelvist.ini");
    EXPECT_NE(file.find("[Stats]\nshowdowns=1\nhandsplayed=1\nhandswon=1\n"), std::string::npos) << file;
}

TEST(ScriptRules, StoredSettingsAreReadAtStart) {
    ToolSandbox sandbox;
    std::ofstream(sandbox.dir() / "trelvist.ini") << "[Settings]\nSound=0\n[Cash]\nplayer=777\n";
    const ToolResult result = sandbox.run(kStart + "options\nsound\n");
    ASSERT_EQ(result.status, 0) << result.errors;
    EXPECT_EQ(result.lines[1]["state"]["soundOn"], false);
    EXPECT_EQ(result.lines[1]["ui"]["panel"]["SoundOff1"], "Off");
    EXPECT_EQ(result.lines[1]["state"]["cash"]["player"], 777);
    EXPECT_EQ(eventsOf(result.lines[3], "write"), std::vector<ordered_json>{write("Settings", "Sound", "1")});
}

TEST(ScriptRules, ModalWindowsAndQuestionsAreAnsweredAtOnce) {
    ToolSandbox sandbox;
    const ToolResult result = sandbox.run(kStart + "advice\nabout\nstats\nreset\nnew no\nnew yes\n");
    ASSERT_EQ(result.status, 0) << result.errors;
    ASSERT_EQ(result.lines.size(), 8u);
    EXPECT_EQ(eventsOf(result.lines[2], "window"), std::vector<ordered_json>{"odds"});
    EXPECT_NE(result.lines[2]["ui"]["prob"]["text"], "");
    EXPECT_EQ(result.lines[3]["events"], ordered_json::parse(R"([{"window":"rules"}])"));
    EXPECT_EQ(result.lines[4]["events"], ordered_json::parse(R"([{"window":"stats"}])"));
    EXPECT_EQ(result.lines[4]["ui"]["statsLabels"]["lblhandsplayed"], "0");

    // Reset is pressed while the statistics window is open, before it closes.
    EXPECT_EQ(result.lines[5]["events"], ordered_json::parse(R"([{"window":"stats"},
        {"write":["Stats","showdowns","0"]},{"write":["Stats","handsplayed","0"]},{"write":["Stats","handswon","0"]}])"));

    const auto no = eventsOf(result.lines[6], "ask");
    ASSERT_EQ(no.size(), 1u);
    EXPECT_EQ(no[0], ordered_json::parse(R"({"caption":"New game","text":"Are you sure?","answer":"no"})"));
    EXPECT_EQ(result.lines[6]["state"]["deck"], result.lines[5]["state"]["deck"]);
    const auto yes = eventsOf(result.lines[7], "ask");
    ASSERT_EQ(yes.size(), 1u);
    EXPECT_EQ(yes[0]["answer"], "yes");
    EXPECT_NE(result.lines[7]["state"]["deck"], result.lines[6]["state"]["deck"]);
}

TEST(ScriptRules, TheClockSeedsEveryLaterDeal) {
    ToolSandbox sandbox;
    const ToolResult first = sandbox.run("clock 7\nstart\n");
    std::filesystem::remove(sandbox.dir() / "trelvist.ini");
    const ToolResult same = sandbox.run("clock 7\nstart\n");
    std::filesystem::remove(sandbox.dir() / "trelvist.ini");
    const ToolResult other = sandbox.run("clock 8\nstart\n");
    ASSERT_EQ(first.lines.size(), 2u);
    ASSERT_EQ(same.lines.size(), 2u);
    ASSERT_EQ(other.lines.size(), 2u);
    EXPECT_EQ(first.lines[1], same.lines[1]);
    EXPECT_NE(first.lines[1]["rng"]["state"], other.lines[1]["rng"]["state"]);
    EXPECT_NE(first.lines[1]["state"]["deck"], other.lines[1]["state"]["deck"]);
}

}  // namespace
}  // namespace trelvist::tools::testing
