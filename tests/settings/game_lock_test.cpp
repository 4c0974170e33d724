// One running game per settings file.
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <optional>

#include "settings/game_lock.h"
#include "temp_folder.h"

namespace trelvist {
namespace {

namespace fs = std::filesystem;
using State = SingleInstanceLock::State;
using testing::TempFolder;
using testing::writeBytes;

// Whether a game started in another process would find the file taken.
State stateForAnotherProcess(const std::string& path) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(static_cast<int>(tryLockGame(path).state()));
    int status = 0;
    ::waitpid(child, &status, 0);
    return static_cast<State>(WEXITSTATUS(status));
}

TEST(GameLock, ASecondGameOnTheSameFileIsRefusedUntilTheFirstEnds) {
    TempFolder folder;
    const std::string path = folder.file("config/trelvist/trelvist.ini");
    {
        const SingleInstanceLock first = tryLockGame(path);
        EXPECT_EQ(first.state(), State::Held);
        EXPECT_TRUE(fs::exists(path + ".lock"));
        EXPECT_FALSE(fs::exists(path)) << "the settings file itself is not touched";
        EXPECT_EQ(stateForAnotherProcess(path), State::HeldElsewhere);
        EXPECT_EQ(tryLockGame(path).state(), State::HeldElsewhere) << "nor a second window of this process";

        // A link to the same file leads to the same lock; another file has its own.
        fs::create_symlink("config/trelvist/trelvist.ini", folder.file("linked.ini"));
        EXPECT_EQ(stateForAnotherProcess(folder.file("linked.ini")), State::HeldElsewhere);
        EXPECT_EQ(stateForAnotherProcess(folder.file("other.ini")), State::Held);
    }
    EXPECT_EQ(stateForAnotherProcess(path), State::Held);

    // A game that is killed lets go of the file.
    const pid_t killed = ::fork();
    if (killed == 0) {
        const SingleInstanceLock game = tryLockGame(path);
        if (game.state() == State::Held) ::raise(SIGKILL);
        ::_exit(1);
    }
    int status = 0;
    ::waitpid(killed, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the game to be killed did not get the lock";
    EXPECT_EQ(tryLockGame(path).state(), State::Held);
}

TEST(GameLock, WithoutAPlaceForTheLockFileTheGameRunsUnguarded) {
    TempFolder folder;
    writeBytes(folder.file("config"), "a file where the folder should be");
    EXPECT_EQ(tryLockGame(folder.file("config/trelvist/trelvist.ini")).state(), State::Unavailable);
}

// What the game tells at start when no lock keeps a second game off its file: a hard link is a
// name whose lock file lies elsewhere, and a read-only folder has no room for one.
TEST(GameLock, AnUnguardedFileIsToldWithTheReason) {
    TempFolder folder;
    const std::string path = folder.file("trelvist.ini");
    writeBytes(path, "[Cash]\nplayer=1\n");
    EXPECT_EQ(tryLockGame(path).unguarded(), "");
    fs::create_directory(folder.file("elsewhere"));
    fs::create_hard_link(path, folder.file("elsewhere/trelvist.ini"));
    EXPECT_EQ(tryLockGame(path).unguarded(), "The settings file " + path +
                                                 " has other names (hard links): a second game started through one "
                                                 "of them would run beside this one unnoticed.");
    fs::remove(folder.file("elsewhere/trelvist.ini"));

    fs::remove(path + ".lock");
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    const std::optional<bool> told = testing::withoutRoot(folder.path(), [&] {
        return tryLockGame(path).unguarded() == "No lock can guard the settings file " + path +
                                                    " (Permission denied): a second game started on it would run "
                                                    "beside this one unnoticed.";
    });
    fs::permissions(folder.path(), fs::perms::owner_all);
    if (!told) GTEST_SKIP() << "running as root and unable to become another user";
    EXPECT_TRUE(*told);
}

}  // namespace
}  // namespace trelvist
