// The history folder: a file per day that hands are only ever added to, hand numbers that go
// on across runs, and a folder that cannot be written.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "history/hand_history.h"
#include "history/hand_text.h"
#include "history_rig.h"
#include "tests/settings/temp_folder.h"

namespace trelvist::history {
namespace {

using namespace testing;
using trelvist::testing::readBytes;
using trelvist::testing::TempFolder;
using trelvist::testing::writeBytes;

constexpr int64_t kLastSecondOfDay = 1796774399;  // 2026-12-08 23:59:59 UTC

// Plays hands that end at once: the human folds each after its deal.
void foldHands(SeededTable& t, int hands) {
    for (int i = 0; i < hands; ++i) {
        if (t.table.view().deal.enabled) t.table.press({Control::Deal});
        t.table.press({Control::Fold});
    }
}

std::vector<std::string> headers(const std::string& file) {
    std::vector<std::string> found;
    for (const std::string& line : linesOf(readBytes(file)))
        if (line.starts_with("PokerStars Hand #")) found.push_back(line.substr(0, line.find(':')));
    return found;
}

// The header's start for hand n of the game.
std::string hand(int64_t n) { return "PokerStars Hand #" + std::to_string(kFirstHandNumber + n); }

TEST(HistoryFiles, HandsGoToTheFileOfTheirDayAndTheirNumbersGoOnAcrossRuns) {
    useUtc();
    TempFolder folder;
    const std::string day1 = folder.file("trelvist-2026-12-08.txt");
    const std::string day2 = folder.file("trelvist-2026-12-09.txt");
    writeBytes(day1, "kept\n");
    writeBytes(folder.file("next-hand-number"), "not a number");
    int64_t now = kLastSecondOfDay - 1;
    {
        SeededTable t(5);
        HandHistory history(folder.path().string(), [&] { return now++; }, [](const std::string& text) {
            ADD_FAILURE() << text;
        });
        t.table.addObserver(history.log());
        t.table.startUp();
        foldHands(t, 3);
        EXPECT_EQ(history.lastFile(), day2);
        // A hand left by a new game is not settled, so it is not written.
        t.table.press({Control::Deal});
        t.table.press({Control::NewGame});
        foldHands(t, 1);
        ASSERT_EQ(history.log().hands().size(), 5u);
        EXPECT_EQ(history.log().hands()[3].state, HandState::Unfinished);
    }
    // What the file held before stays; the hands dealt after midnight go to the next day's file.
    EXPECT_TRUE(readBytes(day1).starts_with("kept\n"));
    EXPECT_EQ(headers(day1), (std::vector<std::string>{hand(1), hand(2)}));
    EXPECT_EQ(headers(day2), (std::vector<std::string>{hand(3), hand(5)}));
    EXPECT_EQ(readBytes(folder.file("next-hand-number")), std::to_string(kFirstHandNumber + 6) + "\n");

    SeededTable t(6);
    HandHistory history(folder.path().string(), [&] { return now; }, [](const std::string& text) {
        ADD_FAILURE() << text;
    });
    t.table.addObserver(history.log());
    t.table.startUp();
    foldHands(t, 1);
    EXPECT_EQ(headers(day2).back(), hand(6));
    EXPECT_EQ(history.newestAtStart(), kFirstHandNumber + 5);

    // A kill between a hand's write and the count's: the count is behind the newest file, and
    // the numbers go on after the file's, never giving a number twice.
    writeBytes(folder.file("next-hand-number"), std::to_string(kFirstHandNumber + 6) + "\n");
    SeededTable again(7);
    HandHistory behind(folder.path().string(), [&] { return now; }, {});
    EXPECT_EQ(behind.newestAtStart(), kFirstHandNumber + 6);
    again.table.addObserver(behind.log());
    again.table.startUp();
    foldHands(again, 1);
    EXPECT_EQ(headers(day2).back(), hand(7));
}

TEST(HistoryFiles, AFolderThatCannotBeWrittenIsReportedOnceAndTheHandsWaitForIt) {
    useUtc();
    TempFolder folder;
    const std::string blocked = folder.file("history");
    writeBytes(blocked, "a file where the folder should be");
    std::vector<std::string> reported;
    SeededTable t(8);
    HandHistory history(blocked, [] { return kDealtAt; }, [&](const std::string& text) { reported.push_back(text); });
    t.table.addObserver(history.log());
    t.table.startUp();
    foldHands(t, 3);

    ASSERT_EQ(reported.size(), 1u);
    EXPECT_NE(reported[0].find(blocked), std::string::npos) << reported[0];
    EXPECT_EQ(history.refusal(), reported[0]);
    EXPECT_EQ(history.waiting(), 3u);
    EXPECT_EQ(readBytes(blocked), "a file where the folder should be");

    // Once the folder can be made, the next hand brings the waiting ones with it, in order.
    std::filesystem::rename(blocked, folder.file("moved-away"));
    foldHands(t, 1);
    EXPECT_EQ(reported.size(), 1u);
    EXPECT_EQ(history.waiting(), 0u);
    EXPECT_EQ(headers(history.dayFile(kDealtAt)), (std::vector<std::string>{hand(1), hand(2), hand(3), hand(4)}));
}

// The history writes each hand through the log's subscribers like anyone else, so others that
// subscribe later must not take its place: every subscriber is told, in the order it subscribed,
// each change before the hand is finished.
TEST(HistoryFiles, TheLogTellsEverySubscriberInTurn) {
    useUtc();
    TempFolder folder;
    SeededTable t(5);
    HandHistory history(folder.path().string(), [] { return kDealtAt; }, [](const std::string& text) {
        ADD_FAILURE() << text;
    });
    std::vector<std::string> calls;
    for (const std::string name : {"first", "second"}) {
        history.log().onChanged([&calls, name] { calls.push_back(name + " changed"); });
        history.log().onFinished([&, name](const HandRecord& hand) {
            // The history subscribed first, so the hand is in its file by now.
            calls.push_back(name + " finished #" + std::to_string(hand.number) + ", " +
                            std::to_string(headers(history.dayFile(kDealtAt)).size()) + " written");
        });
    }
    t.table.addObserver(history.log());
    t.table.startUp();
    foldHands(t, 1);

    ASSERT_EQ(history.log().hands().size(), 1u);
    // One change for the new hand, one for each event, one for its end.
    std::vector<std::string> expected;
    for (size_t i = 0; i < history.log().hands()[0].events.size() + 2; ++i)
        expected.insert(expected.end(), {"first changed", "second changed"});
    const std::string first = std::to_string(kFirstHandNumber + 1);
    expected.insert(expected.end(),
                    {"first finished #" + first + ", 1 written", "second finished #" + first + ", 1 written"});
    EXPECT_EQ(calls, expected);
}

}  // namespace
}  // namespace trelvist::history
