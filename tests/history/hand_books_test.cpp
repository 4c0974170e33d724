// Thousands of hands of random presses, each read back from its written text the way a
// hand-history tool reads it: the chips the lines put in add up to the total pot, each seat's
// chips in and out add up to its cash change, and the board lines show the table's cards.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <regex>

#include "game/seats.h"
#include "history/hand_log.h"
#include "history/hand_text.h"
#include "history_rig.h"

namespace trelvist::history {
namespace {

using namespace testing;

int seatNamed(const std::string& name) {
    const auto* found = std::find(kSeatName.begin(), kSeatName.end(), name);
    return found == kSeatName.end() ? 0 : static_cast<int>(found - kSeatName.begin());
}

std::string boardText(std::span<const Card> cards) {
    std::string text;
    for (const Card& c : cards) text += (text.empty() ? "" : " ") + cardText(c);
    return text;
}

// What a reader of the text finds the hand did with the chips.
struct Books {
    std::array<int64_t, kSeatSlots> cashAtStart{};
    std::array<int64_t, kSeatSlots> net{};
    int64_t intoPot = 0;
    int64_t totalPot = -1;
    int64_t rake = -1;
    int64_t collected = 0;
    std::vector<std::string> streets;  // the cards of each street line, as written
    std::string board;                 // the summary's
};

Books read(const std::string& text) {
    static const std::regex seatLine(R"(Seat \d: (\w+) \((-?\d+) in chips\).*)");
    static const std::regex post(R"((\w+): posts (small|big) blind (\d+))");
    static const std::regex unpaid(R"(STP added: (\d+))");
    static const std::regex move(R"((\w+): (calls|bets) (\d+))");
    static const std::regex raise(R"((\w+): raises \d+ to (\d+))");
    static const std::regex street(R"(\*\*\* (FLOP|TURN|RIVER) \*\*\* \[([^\]]*)\](?: \[(..)\])?)");
    static const std::regex collected(R"((\w+) collected (\d+) from pot)");
    static const std::regex total(R"(Total pot (\d+)(?: \| Main pot \d+ \| STP \d+)? \| Rake (\d+))");
    static const std::regex board(R"(Board \[([^\]]*)\])");

    Books books;
    std::array<int64_t, kSeatSlots> inStreet{};
    bool summary = false;
    for (const std::string& line : linesOf(text)) {
        std::smatch m;
        summary = summary || line == "*** SUMMARY ***";
        if (!summary && std::regex_match(line, m, seatLine)) {
            books.cashAtStart[seatNamed(m[1])] = std::stoll(m[2]);
        } else if (std::regex_match(line, m, post)) {
            const int seat = seatNamed(m[1]);
            books.intoPot += std::stoll(m[3]);
            inStreet[seat] += std::stoll(m[3]);
            books.net[seat] -= std::stoll(m[3]);
        } else if (std::regex_match(line, m, unpaid)) {
            // The blind of a seat without chips: in the pot, yet out of no seat's cash.
            books.intoPot += std::stoll(m[1]);
        } else if (std::regex_match(line, m, move)) {
            const int seat = seatNamed(m[1]);
            books.intoPot += std::stoll(m[3]);
            inStreet[seat] += std::stoll(m[3]);
            books.net[seat] -= std::stoll(m[3]);
        } else if (std::regex_match(line, m, raise)) {
            // "to" is the seat's whole stake on the street.
            const int seat = seatNamed(m[1]);
            const int64_t added = std::stoll(m[2]) - inStreet[seat];
            EXPECT_GT(added, 0) << line;
            books.intoPot += added;
            inStreet[seat] += added;
            books.net[seat] -= added;
        } else if (std::regex_match(line, m, street)) {
            inStreet = {};
            books.streets.push_back(m[2].str() + (m[3].matched ? " " + m[3].str() : ""));
        } else if (std::regex_match(line, m, collected)) {
            books.net[seatNamed(m[1])] += std::stoll(m[2]);
            books.collected += std::stoll(m[2]);
        } else if (std::regex_match(line, m, total)) {
            books.totalPot = std::stoll(m[1]);
            books.rake = std::stoll(m[2]);
        } else if (std::regex_match(line, m, board)) {
            books.board = m[1];
        }
    }
    return books;
}

TEST(HandBooks, WrittenHandsAddUpAsTheTablePlayedThem) {
    SeededTable t(7);
    HandLog log([] { return kDealtAt; }, 1);
    int checked = 0;
    log.onFinished([&](const HandRecord& hand) {
        ++checked;
        const std::string text = handText(hand);
        SCOPED_TRACE(text);
        const Books books = read(text);
        const TableState& s = t.table.state();
        EXPECT_EQ(books.totalPot, s.pot);
        EXPECT_EQ(books.intoPot, s.pot);
        // What nobody is paid, such as the odd chips of a split pot, is the rake.
        EXPECT_EQ(books.collected + books.rake, s.pot);
        // The layout has no stacks below zero: a seat in debt shows none.
        for (int seat : kSeatOrder) {
            EXPECT_EQ(books.cashAtStart[seat], std::max(hand.start.cash[seat], int32_t{0})) << kSeatName[seat];
            EXPECT_EQ(hand.start.cash[seat] + books.net[seat], s.cash[seat]) << kSeatName[seat];
        }
        // The flop, the turn and the river in turn, each with the board so far; the summary
        // with the last of them.
        const std::span<const Card> onTable = s.board();
        ASSERT_LE(books.streets.size(), 3u);
        for (size_t i = 0; i < books.streets.size(); ++i) EXPECT_EQ(books.streets[i], boardText(onTable.first(3 + i)));
        EXPECT_EQ(books.board, books.streets.empty() ? "" : books.streets.back());
    });
    t.table.addObserver(log);
    t.table.startUp();

    std::mt19937 pick(11);
    for (int press = 0; checked < 1500 && press < 100000 && !::testing::Test::HasFailure(); ++press) {
        const TableView d = t.table.view();
        if (!d.deal.enabled && !d.checkOrCall.enabled) {
            // The game is over: a new one with little cash, so that seats run out of chips.
            t.table.press({Control::Options});
            t.table.press({Control::TypeInitialCash, 0, std::to_string(20 + pick() % 60)});
            t.table.press({Control::Options});
            t.table.press({Control::NewGame});
            continue;
        }
        const unsigned roll = pick() % 10;
        t.table.press({d.deal.enabled ? Control::Deal
                       : roll < 2       ? Control::Fold
                       : roll < 5       ? Control::Raise
                                        : Control::CheckOrCall});
    }
    EXPECT_GE(checked, 1500);
}

}  // namespace
}  // namespace trelvist::history
