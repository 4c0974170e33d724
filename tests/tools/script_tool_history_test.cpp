// The script tool's --history: the hands of thousands of random presses read back from the
// files the way a tracker reads them. Every chip put in makes the pot, the pot goes to the
// collecting seats and the rake, and each seat starts the next hand of its table with what it
// ended the last one with. The trace does not change with the history.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>
#include <regex>
#include <sstream>

#include "tool_runner.h"

namespace trelvist::tools::testing {
namespace {

// Presses as a person might make them, with small initial cash and changes of the limits so
// that seats run out of chips, blinds go unpaid and games end.
std::string randomScript(uint32_t seed, int commands) {
    std::mt19937 pick(seed);
    std::ostringstream out;
    out << "clock " << 1700000000 + seed * 7919 << "\nstart\n";
    for (int i = 0; i < commands; ++i) {
        const unsigned roll = pick() % 100;
        if (roll < 84) {
            // A hand: a few calls and raises, often a fold that lets the table play it out.
            out << "deal\n";
            for (unsigned presses = pick() % 4; presses > 0; --presses) out << (pick() % 3 ? "call\n" : "raise\n");
            if (pick() % 2) out << "fold\n";
        } else if (roll < 90) {
            out << "new yes\n";
        } else if (roll < 95) {
            out << "options\nmoney " << 20 + pick() % 80 << "\nenter\nok\n";
        } else {
            out << "options\n" << (pick() % 2 ? "up" : "down") << "\nok\n";
        }
    }
    return out.str();
}

struct HandBooks {
    int64_t number = 0;
    std::string table;
    std::map<std::string, int64_t> start, in, won;
    int64_t stp = 0, summaryStp = 0, total = -1, rake = -1;
};

std::vector<HandBooks> readHands(const std::string& text) {
    static const std::regex header(R"(PokerStars Hand #(\d+): (?:Tournament #\d+, Freeroll )? Hold'em Limit (?:- Level I )?\(\d+/\d+\) - .*)");
    static const std::regex table(R"(Table '([^']+)' 8-max(?: \(Play Money\))?( Seat #\d is the button)?)");
    static const std::regex seat(R"(Seat \d: (\w+) \((\d+) in chips\)( is sitting out)?)");
    static const std::regex post(R"((\w+): posts (small|big) blind (\d+))");
    static const std::regex move(R"((\w+): (calls|bets) (-?\d+))");
    static const std::regex raise(R"((\w+): raises -?\d+ to (-?\d+))");
    static const std::regex stp(R"(STP added: (\d+))");
    static const std::regex street(R"(\*\*\* (FLOP|TURN|RIVER) \*\*\* .*)");
    static const std::regex collected(R"((\w+) collected (\d+) from pot)");
    static const std::regex total(R"(Total pot (-?\d+)(?: \| Main pot -?\d+ \| STP (\d+))? \| Rake (-?\d+))");

    std::vector<HandBooks> hands;
    std::map<std::string, int64_t> inStreet;
    bool summary = false;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::smatch m;
        if (std::regex_match(line, m, header)) {
            hands.emplace_back().number = std::stoll(m[1]);
            inStreet.clear();
            summary = false;
            continue;
        }
        if (hands.empty()) continue;
        HandBooks& hand = hands.back();
        summary = summary || line == "*** SUMMARY ***";
        if (std::regex_match(line, m, table)) {
            hand.table = m[1];
        } else if (!summary && std::regex_match(line, m, seat)) {
            hand.start[m[1]] = std::stoll(m[2]);
        } else if (std::regex_match(line, m, post)) {
            hand.in[m[1]] += std::stoll(m[3]);
            inStreet[m[1]] += std::stoll(m[3]);
        } else if (std::regex_match(line, m, move)) {
            hand.in[m[1]] += std::stoll(m[3]);
            inStreet[m[1]] += std::stoll(m[3]);
        } else if (std::regex_match(line, m, raise)) {
            // "to" is the seat's whole stake on the street.
            hand.in[m[1]] += std::stoll(m[2]) - inStreet[m[1]];
            inStreet[m[1]] = std::stoll(m[2]);
        } else if (std::regex_match(line, m, stp)) {
            hand.stp += std::stoll(m[1]);
        } else if (std::regex_match(line, m, street)) {
            inStreet.clear();
        } else if (std::regex_match(line, m, collected)) {
            hand.won[m[1]] += std::stoll(m[2]);
        } else if (std::regex_match(line, m, total)) {
            hand.total = std::stoll(m[1]);
            hand.summaryStp = m[2].matched ? std::stoll(m[2]) : 0;
            hand.rake = std::stoll(m[3]);
        }
    }
    return hands;
}

int64_t sum(const std::map<std::string, int64_t>& amounts) {
    int64_t total = 0;
    for (const auto& [name, amount] : amounts) total += amount;
    return total;
}

TEST(ScriptToolHistory, ThousandsOfHandsAddUpAndCarryTheirStacks) {
    int hands = 0, chained = 0, newTables = 0, unpaidBlinds = 0, oddChips = 0, tournamentHands = 0;
    // Many short scripts rather than a few long ones, so that each run stays well within the
    // tool runner's time limit under the sanitizers too.
    for (uint32_t seed = 1; seed <= 48; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        ToolSandbox sandbox;
        const ToolResult result = sandbox.runWithArguments(randomScript(seed, 100), "--ini trelvist.ini --history h");
        ASSERT_EQ(result.status, 0) << result.errors;
        // The clock stands still: all hands are in the file of one day, in order.
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(sandbox.dir() / "h"))
            if (entry.path().extension() == ".txt") files.push_back(entry.path());
        ASSERT_EQ(files.size(), 1u);
        const std::vector<HandBooks> read = readHands(readFile(files[0]));
        for (size_t i = 0; i < read.size(); ++i) {
            const HandBooks& hand = read[i];
            SCOPED_TRACE("hand " + std::to_string(hand.number));
            EXPECT_EQ(sum(hand.in) + hand.stp, hand.total);
            EXPECT_EQ(sum(hand.won) + hand.rake, hand.total);
            EXPECT_GE(hand.rake, 0);
            EXPECT_EQ(hand.summaryStp, hand.stp);
            unpaidBlinds += hand.stp > 0;
            oddChips += hand.rake > 0;
            tournamentHands += !hand.table.starts_with("Trelvist ");
            if (i == 0) continue;
            const HandBooks& last = read[i - 1];
            // A hand cut short by a new game keeps its number and is not written.
            EXPECT_GT(hand.number, last.number);
            if (hand.table != last.table) {
                ++newTables;
                continue;
            }
            ++chained;
            for (const auto& [name, chips] : hand.start) {
                const int64_t ended = last.start.at(name) - (last.in.contains(name) ? last.in.at(name) : 0) +
                                      (last.won.contains(name) ? last.won.at(name) : 0);
                // A seat in debt shows no chips, and what it owes is not written.
                if (last.start.at(name) > 0) EXPECT_EQ(chips, std::max<int64_t>(ended, 0)) << name;
            }
        }
        hands += static_cast<int>(read.size());
        if (::testing::Test::HasFailure()) break;
    }
    // The presses reach every case this test is about.
    EXPECT_GE(hands, 1500);
    EXPECT_GT(chained, hands / 2);
    EXPECT_GT(newTables, 10);
    EXPECT_GT(unpaidBlinds, 0);
    EXPECT_GT(oddChips, 0);
    EXPECT_GT(tournamentHands, 0);  // limits no ring game of the room has
}

TEST(ScriptToolHistory, TheTraceIsTheSameWithOrWithoutTheHistory) {
    ToolSandbox with, without;
    const std::string script = randomScript(99, 150);
    const ToolResult a = with.runWithArguments(script, "--ini trelvist.ini --history h");
    const ToolResult b = without.run(script);
    ASSERT_EQ(a.status, 0);
    EXPECT_EQ(a.lines, b.lines);
    EXPECT_FALSE(std::filesystem::is_empty(with.dir() / "h"));
}

}  // namespace
}  // namespace trelvist::tools::testing
