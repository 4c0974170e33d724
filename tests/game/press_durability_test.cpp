// A press reaches the settings file whole: a process killed after any write of a deal, or while
// a box waits in the middle of a press, leaves the file as it was before the press, and one that
// finishes it leaves all of the press. A press the file refuses, or that another program's lock
// keeps out, leaves the file as it was too, and reaches it whole with a later press.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "game/table.h"
#include "settings/file_lock.h"
#include "settings/game_keys.h"
#include "settings/ini_file.h"
#include "tests/settings/temp_folder.h"
#include "tests/support/test_host.h"

namespace trelvist {
namespace {

using testing::FileSizeLimit;
using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

// The settings file, in a process that kills itself right after the chosen write once armed.
class KillingFile : public IniFile {
public:
    KillingFile(const std::string& path, int killAfter) : IniFile(path), killAfter_(killAfter) {}
    bool armed = false;

    void writeInt(const std::string& section, const std::string& key, int32_t value) override {
        IniFile::writeInt(section, key, value);
        if (armed && ++writes_ == killAfter_) ::raise(SIGKILL);
    }

private:
    int killAfter_;
    int writes_ = 0;
};

constexpr int kStopBeforeTheDeal = -1;
constexpr int kFinishTheDeal = 0;

// In a child process: starts the table on the file, lets the human fold the first hand, gives
// every seat 1000 and counts 5 hands before the deal writes them, then presses Deal and is
// killed after its `killAfter`-th write. Returns how the child ended.
int playInChild(const std::string& path, int killAfter) {
    const pid_t child = ::fork();
    if (child == 0) {
        testing::TestHost host;
        KillingFile file(path, killAfter);
        Table table(host, file);
        table.addObserver(host);
        table.oddsForTesting().setStrength(-10000);  // every opponent folds
        table.startUp();
        if (!table.fold()) ::_exit(3);
        if (killAfter == kStopBeforeTheDeal) ::_exit(0);
        for (int seat : kSeatOrder) table.stateForTesting().cash[seat] = 1000;
        table.stateForTesting().handsPlayed = 5;
        file.armed = true;
        ::_exit(table.deal() ? 0 : 4);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

int32_t cashTotal(const std::string& path) {
    IniFile file(path);
    const StoredGame game = readStoredGame(file);
    int32_t total = 0;
    for (int seat : kSeatOrder) total += game.cash[static_cast<size_t>(seat)];
    return total;
}

TEST(PressDurability, AKillAfterAnyWriteOfADealLeavesTheFileBeforeThePress) {
    TempFolder folder;
    const std::string path = folder.file("trelvist.ini");
    const std::string start = "[Settings]\nSound=0\n[Levels]\ncomp=-1\n";  // opponents simulate nothing

    writeBytes(path, start);
    ASSERT_EQ(playInChild(path, kStopBeforeTheDeal), 0);
    const std::string before = readBytes(path);
    const int32_t oldTotal = cashTotal(path);
    writeBytes(path, start);
    ASSERT_EQ(playInChild(path, kFinishTheDeal), 0);
    const std::string after = readBytes(path);
    ASSERT_EQ(cashTotal(path), 8000);
    ASSERT_NE(oldTotal, 8000);

    // The deal writes the three statistics and the eight seats' cash.
    for (int k = 1; k <= 11; ++k) {
        SCOPED_TRACE("killed after write " + std::to_string(k));
        writeBytes(path, start);
        const int status = playInChild(path, k);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
        EXPECT_EQ(cashTotal(path), oldTotal);
        EXPECT_EQ(readBytes(path), before);
    }
    EXPECT_NE(before, after);
}

// The chips, counts and sound as the file holds them, and as the table does.
std::vector<int32_t> figures(const StoredGame& g) {
    std::vector<int32_t> out(g.cash.begin() + 1, g.cash.end());
    out.insert(out.end(), {g.handsPlayed, g.handsWon, g.showdownCount, g.soundOn});
    return out;
}
std::vector<int32_t> storedFigures(const std::string& path) {
    IniFile file(path);
    return figures(readStoredGame(file));
}
std::vector<int32_t> heldFigures(const Table& table) {
    const TableState& s = table.state();
    StoredGame held;
    held.cash = s.cash;
    std::tie(held.handsPlayed, held.handsWon, held.showdownCount, held.soundOn) =
        std::tuple(s.handsPlayed, s.handsWon, s.showdownCount, s.soundOn);
    return figures(held);
}

// A press that writes one key (the sound) and commits.
void pressSound(Table& table) {
    ASSERT_TRUE(table.toggleOptions() && table.toggleSound() && table.closeOptions());
}

// A table started on a fresh file, whose opponents simulate nothing and fold.
struct QuietTable {
    testing::TestHost host;
    Table table;
    QuietTable(const std::string& path, IniFile& file) : table(host, file) {
        writeBytes(path, "[Settings]\nSound=0\n[Levels]\ncomp=-1\n");
        table.oddsForTesting().setStrength(-10000);
        table.startUp();
    }
};

// The reported fault: start-up ends in an all-out win whose "Game over" box comes up before the
// cash is written, after the card back and level are.
TEST(PressDurability, AKillWhileABoxIsUpLeavesTheFileBeforeThePress) {
    TempFolder folder;
    const std::string path = folder.file("trelvist.ini");
    const std::string start = "[Cash]\nplayer=1200\nfreak=1\ngeek=3\nmaster=1\nchamp=0\npinhead=0\n"
                              "expert=300\nrobot=0\ninitial=60\nuntil=20\n";
    writeBytes(path, start);
    const pid_t child = ::fork();
    if (child == 0) {
        testing::TestHost host;
        host.now = 80000000;
        host.insideMessage = [] { ::raise(SIGKILL); };
        IniFile file(path);
        Table(host, file).startUp();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "no box came up: " << status;
    EXPECT_EQ(readBytes(path), start);
}

// The settings file, refusing the chosen write as a full disk would.
class RefusingFile : public IniFile {
public:
    using IniFile::IniFile;
    int refuseAt = 0;
    int writes = 0;

    void writeInt(const std::string& section, const std::string& key, int32_t value) override {
        std::optional<FileSizeLimit> full;
        if (++writes == refuseAt) full.emplace(1);
        IniFile::writeInt(section, key, value);
    }
};

// A refusal at any write of a press that settles the hand (the human's fold, call or raise, the
// opponents folding), or of the deal after it: the file keeps the state before the press and the
// error shows once; the next press that commits brings the refused press with it, so that the
// file holds what the game holds.
TEST(PressDurability, ARefusalAtAnyWriteOfAPressLeavesTheFileBeforeIt) {
    TempFolder folder;
    const std::string path = folder.file("trelvist.ini");
    const std::pair<const char*, bool (Table::*)()> presses[] = {
        {"fold", &Table::fold}, {"call", &Table::checkOrCall}, {"raise", &Table::raise}, {"deal", &Table::deal}};
    for (const auto& [name, press] : presses) {
        const bool deal = press == &Table::deal;
        for (int refused = 1;; ++refused) {
            SCOPED_TRACE(std::string(name) + ", write " + std::to_string(refused) + " refused");
            RefusingFile file(path);
            QuietTable quiet(path, file);
            Table& table = quiet.table;
            if (deal) {
                ASSERT_TRUE(table.fold());
                // Chips the panel set reach the file with the deal: the file lags the game till then.
                for (int seat : kSeatOrder) table.stateForTesting().cash[seat] = 1000;
            }
            const std::string before = readBytes(path);
            file.writes = 0;
            file.refuseAt = refused;
            ASSERT_TRUE((table.*press)());
            if (refused > file.writes) {
                EXPECT_GT(refused, 11) << "the press writes the statistics and every seat's chips";
                break;
            }
            EXPECT_EQ(quiet.host.texts(testing::HostEvent::Error),
                      std::vector<std::string>{"Unable to write to " + path + "\nFile too large"});
            EXPECT_EQ(readBytes(path), before);
            pressSound(table);
            EXPECT_EQ(storedFigures(path), heldFigures(table));
        }
    }
}

// While another program holds the folder's lock, a press waits for it once, not once per write,
// then reports it and keeps its writes for a later press. The clock is the test's own.
TEST(PressDurability, AnotherProgramsLockHoldsAPressBackAfterOneWait) {
    TempFolder folder;
    const std::string path = folder.file("trelvist.ini");
    std::chrono::steady_clock::time_point now{};
    const LockWait wait{std::chrono::milliseconds(2000), [&] { return now; },
                        [&](std::chrono::milliseconds pause) { now += pause; }};
    IniFile file(path, wait);
    QuietTable quiet(path, file);
    Table& table = quiet.table;
    const std::string before = readBytes(path);

    FileLock other;
    ASSERT_EQ(other.take(folder.path(), std::chrono::milliseconds(0)), FileLock::Outcome::Taken);
    const auto pressed = now;
    ASSERT_TRUE(table.fold());  // a dozen writes
    EXPECT_GE(now - pressed, wait.patience);
    EXPECT_LT(now - pressed, wait.patience + std::chrono::milliseconds(100)) << "waited for more than one write";
    EXPECT_EQ(quiet.host.texts(testing::HostEvent::Error),
              std::vector<std::string>{"Unable to write to " + path + "\nLocked by another program"});
    EXPECT_EQ(readBytes(path), before);

    other.release();
    pressSound(table);
    EXPECT_EQ(storedFigures(path), heldFigures(table));
}

}  // namespace
}  // namespace trelvist
