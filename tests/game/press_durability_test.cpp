// A press reaches the settings file whole: a process killed after any write of a deal leaves
// the file as it was before the press, and one that finishes it leaves all of the press.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "game/table.h"
#include "settings/game_keys.h"
#include "settings/ini_file.h"
#include "tests/settings/temp_folder.h"
#include "tests/support/test_host.h"

namespace trelvist {
namespace {

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

}  // namespace
}  // namespace trelvist
