// The statistics store against the history files it indexes: live recording, a rebuild, a
// damaged database and a kill in the middle of recording all end in the same figures.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

#include "game/table.h"
#include "history/hand_history.h"
#include "statsdb/statistics_store.h"
#include "tests/support/random_press.h"
#include "tests/support/test_host.h"

namespace trelvist {
namespace {

using statsdb::StatisticsStore;

// Plays `hands` hands with seeded presses; each settled hand goes to the history files of
// `folder` and then to `store`, as in the window.
void play(const std::string& folder, StatisticsStore& store, int hands, unsigned seed,
          const stats::SeatStyles& styles = {}) {
    testing::TestHost host;
    host.now = 1796737501 + seed;
    testing::MemoryStore settings;
    Table table(host, settings);
    int64_t clock = 1796737501;
    history::HandHistory history(folder, [&clock] { return clock += 30; }, {});
    table.addObserver(history.log());
    int settled = 0;
    history.log().onFinished([&](const history::HandRecord& hand) {
        store.record(hand, styles);
        ++settled;
    });
    std::mt19937 random(seed);
    while (settled < hands) testing::pressAtRandom(table, random);
}

void expectSameHistory(const stats::StatisticsReport& a, const stats::StatisticsReport& b) {
    EXPECT_EQ(a.hands, b.hands);
    EXPECT_EQ(a.lifetime, b.lifetime);
    EXPECT_EQ(a.lifetimeChips, b.lifetimeChips);
    EXPECT_EQ(a.byPosition, b.byPosition);
    EXPECT_EQ(a.startingHands, b.startingHands);
}

stats::StatisticsReport rebuiltFrom(const std::string& folder, const std::string& database) {
    auto store = StatisticsStore::open(database);
    store->rebuild(folder);
    return store->report();
}

TEST(StatisticsStore, ARebuildFromTheFilesEqualsLiveRecording) {
    QTemporaryDir dir;
    const std::string folder = dir.filePath("history").toStdString();
    std::filesystem::create_directories(folder);
    const stats::SeatStyles styles{"", "", "Rock", "Rock", "Maniac", "Shark", "Classic", "Classic", "Classic"};
    auto live = StatisticsStore::open(dir.filePath("live.sqlite").toStdString());
    ASSERT_TRUE(live->available());
    EXPECT_TRUE(live->needsRebuild());  // a new database has not read the files yet
    EXPECT_EQ(live->rebuild(folder), 0);
    play(folder, *live, 150, 1, styles);
    const stats::StatisticsReport played = live->report();
    ASSERT_EQ(played.hands, 150);
    EXPECT_EQ(played.session, played.lifetime);
    EXPECT_GT(played.lifetime[You].hands, 0);
    ASSERT_EQ(played.lifetimeByStyle.size(), 4u);
    EXPECT_EQ(played.lifetimeByStyle[2].style, "Rock");
    EXPECT_EQ(played.lifetimeByStyle[2].hands, played.lifetime[2].hands + played.lifetime[3].hands);

    // The same figures from the files, in a fresh database and in the live one.
    expectSameHistory(rebuiltFrom(folder, dir.filePath("scratch.sqlite").toStdString()), played);
    EXPECT_EQ(live->rebuild(folder), 150);
    expectSameHistory(live->report(), played);
    // The files do not name styles: the sums by style stay as play recorded them.
    EXPECT_EQ(live->report().lifetimeByStyle, played.lifetimeByStyle);

    // A hand recorded again is not counted twice; the session goes on across a rebuild.
    history::HandRecord again;
    again.number = played.lifetimeChips.back().hand;
    again.state = history::HandState::Finished;
    EXPECT_TRUE(live->record(again));
    EXPECT_EQ(live->report().hands, 150);
    play(folder, *live, 20, 2);
    EXPECT_EQ(live->report().hands, 170);
    EXPECT_EQ(live->report().session, live->report().lifetime);
    EXPECT_EQ(live->report().sessionChips.size(), 170u);
    expectSameHistory(rebuiltFrom(folder, dir.filePath("scratch2.sqlite").toStdString()), live->report());
}

TEST(StatisticsStore, ADamagedOrUnusableDatabaseNeverStopsTheGame) {
    QTemporaryDir dir;
    const std::string folder = dir.filePath("history").toStdString();
    std::filesystem::create_directories(folder);
    const std::string database = dir.filePath("statistics.sqlite").toStdString();
    {
        auto store = StatisticsStore::open(database);
        store->rebuild(folder);
        play(folder, *store, 40, 3);
    }
    const stats::StatisticsReport whole = StatisticsStore::open(database)->report();
    ASSERT_EQ(whole.hands, 40);

    // Garbage over the file, and the file cut short: both are thrown away and read again.
    for (const bool cut : {false, true}) {
        const auto size = std::filesystem::file_size(database);
        if (cut) {
            std::filesystem::resize_file(database, size / 2);
        } else {
            std::fstream file(database, std::ios::in | std::ios::out | std::ios::binary);
            file.seekp(static_cast<std::streamoff>(size / 3));
            file << std::string(4096, '\x5a');
        }
        auto store = StatisticsStore::open(database);
        ASSERT_TRUE(store->available()) << store->problem();
        EXPECT_TRUE(store->needsRebuild());
        EXPECT_FALSE(store->record(history::HandRecord{}));  // nothing recorded over a gap
        EXPECT_EQ(store->rebuild(folder), 40);
        expectSameHistory(store->report(), whole);
    }

    // A folder where the file should be: no store, and every call does nothing.
    const std::string folderInstead = dir.filePath("taken.sqlite").toStdString();
    std::filesystem::create_directories(folderInstead);
    auto none = StatisticsStore::open(folderInstead);
    EXPECT_FALSE(none->available());
    EXPECT_FALSE(none->problem().empty());
    EXPECT_EQ(none->rebuild(folder), 0);
    EXPECT_EQ(none->report().hands, 0);

    // Another program holding the database: the hand is refused, said once, and the store waits
    // for a rebuild, which then brings the hand in from the files.
    auto store = StatisticsStore::open(database);
    ASSERT_FALSE(store->needsRebuild());
    {
        auto other = StatisticsStore::open(database);
        QSqlDatabase holder = QSqlDatabase::addDatabase("QSQLITE", "holder");
        holder.setDatabaseName(QString::fromStdString(database));
        ASSERT_TRUE(holder.open());
        QSqlQuery(holder).exec("BEGIN EXCLUSIVE");
        play(folder, *store, 1, 4);
        EXPECT_FALSE(store->problem().empty());
        EXPECT_TRUE(store->needsRebuild());
        EXPECT_EQ(store->report().hands, 40);
        QSqlQuery(holder).exec("ROLLBACK");
        holder.close();
    }
    QSqlDatabase::removeDatabase("holder");
    EXPECT_EQ(store->rebuild(folder), 41);
    EXPECT_TRUE(store->problem().empty());
}

TEST(StatisticsStore, AfterAKillDuringRecordingTheNextRunEqualsARebuild) {
    QTemporaryDir dir;
    const std::string folder = dir.filePath("history").toStdString();
    std::filesystem::create_directories(folder);
    const std::string database = dir.filePath("statistics.sqlite").toStdString();
    StatisticsStore::open(database)->rebuild(folder);
    std::mt19937 random(7);
    for (unsigned run = 0; run < 10; ++run) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            auto store = StatisticsStore::open(database);
            play(folder, *store, 1'000'000, 10 + run);
            _exit(0);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(30 + random() % 270));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);

        // The next run: the store is rebuilt when it misses hands the files hold.
        auto store = StatisticsStore::open(database);
        ASSERT_TRUE(store->available()) << store->problem();
        const history::HandHistory history(folder, [] { return int64_t{0}; }, {});
        if (store->missesHandsUpTo(history.newestAtStart())) store->rebuild(folder);
        EXPECT_FALSE(store->missesHandsUpTo(history.newestAtStart()));
        const stats::StatisticsReport next = store->report();
        EXPECT_GT(next.hands, 0);
        expectSameHistory(next, rebuiltFrom(folder, dir.filePath("scratch.sqlite").toStdString()));
    }
}

}  // namespace
}  // namespace trelvist
