// Writes are atomic and durable: refused writes leave the old file and no temporary file behind.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <functional>
#include <optional>
#include <thread>

#include "settings/durable_file.h"
#include "settings/file_lock.h"
#include "settings/ini_file.h"
#include "temp_folder.h"

namespace trelvist {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::FileSizeLimit;
using testing::TempFolder;
using testing::withoutRoot;
using testing::writeBytes;

// Expects the write to be refused with the file's path and the reason in the message.
void expectRefused(IniFile& file, const std::string& reason) {
    try {
        file.writeInt("Cash", "player", 1);
        ADD_FAILURE() << "the write to " << file.path() << " was not refused";
    } catch (const SettingsWriteError& error) {
        EXPECT_EQ(error.what(), "Unable to write to " + file.path() + "\n" + reason);
    }
    file.discard();
}

TEST(IniDurability, WritesLeaveOnlyTheFileAndKeepItsPermissions) {
    TempFolder folder;
    const std::string path = folder.file("trelvist.ini");
    writeBytes(path, "[Cash]\nplayer=1\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    IniFile file(path);
    for (int i = 0; i < 20; ++i) file.writeInt("Cash", "player", i);
    file.writeBool("Settings", "Sound", true);
    file.commit();
    EXPECT_EQ(folder.entries(), std::set<std::string>{"trelvist.ini"});
    EXPECT_EQ(readBytes(path), "[Cash]\nplayer=19\n[Settings]\nSound=1\n");
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(IniDurability, ALinkedFileStaysALink) {
    TempFolder folder;
    writeBytes(folder.file("real.ini"), "[Cash]\nplayer=1\n");
    fs::create_symlink("real.ini", folder.file("trelvist.ini"));
    IniFile(folder.file("trelvist.ini")).writeInt("Cash", "player", 2);
    EXPECT_TRUE(fs::is_symlink(folder.file("trelvist.ini")));
    EXPECT_EQ(readBytes(folder.file("real.ini")), "[Cash]\nplayer=2\n");
    EXPECT_EQ(folder.entries(), (std::set<std::string>{"real.ini", "trelvist.ini"}));
}

TEST(IniDurability, ADanglingLinkIsWrittenThroughAndStaysALink) {
    TempFolder folder;
    fs::create_symlink("elsewhere/real.ini", folder.file("trelvist.ini"));
    IniFile(folder.file("trelvist.ini")).writeInt("Cash", "player", 2);
    EXPECT_TRUE(fs::is_symlink(folder.file("trelvist.ini")));
    EXPECT_EQ(readBytes(folder.file("elsewhere/real.ini")), "[Cash]\nplayer=2\n");
    EXPECT_EQ(folder.entries(), (std::set<std::string>{"elsewhere", "trelvist.ini"}));

    // Links that go round in a loop lead to no file at all.
    fs::create_symlink("loop-b", folder.file("loop-a"));
    fs::create_symlink("loop-a", folder.file("loop-b"));
    IniFile loop(folder.file("loop-a"));
    expectRefused(loop, "Too many levels of symbolic links");
    EXPECT_TRUE(fs::is_symlink(folder.file("loop-a")));
}

TEST(IniDurability, AReadOnlyFileIsRefusedAsAWriteInPlaceWouldBe) {
    TempFolder folder;
    const std::string path = folder.file("trelvist.ini");
    writeBytes(path, "[Cash]\nplayer=1\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::optional<bool> refused = withoutRoot(folder.path(), [&] {
        IniFile file(path);
        try {
            file.writeInt("Cash", "player", 2);
            return false;
        } catch (const SettingsWriteError& error) {
            file.discard();
            return error.what() == "Unable to write to " + path + "\nPermission denied";
        }
    });
    if (!refused) GTEST_SKIP() << "running as root and unable to become another user";
    EXPECT_TRUE(*refused) << "the read-only file was replaced, or the refusal did not say why";
    EXPECT_EQ(readBytes(path), "[Cash]\nplayer=1\n");
    EXPECT_EQ(folder.entries(), std::set<std::string>{"trelvist.ini"});
}

TEST(IniDurability, AFolderInTheWayRefusesTheWrite) {
    TempFolder folder;
    fs::create_directory(folder.file("trelvist.ini"));
    IniFile file(folder.file("trelvist.ini"));
    expectRefused(file, "Not a regular file");
    EXPECT_TRUE(fs::is_directory(file.path()));
    EXPECT_TRUE(fs::is_empty(file.path()));
    EXPECT_EQ(folder.entries(), std::set<std::string>{"trelvist.ini"});
}

TEST(IniDurability, AFileWhereTheFolderShouldBeRefusesTheWrite) {
    TempFolder folder;
    writeBytes(folder.file("config"), "not a folder");
    IniFile file(folder.file("config/trelvist/trelvist.ini"));
    expectRefused(file, "Not a directory");
    EXPECT_EQ(readBytes(folder.file("config")), "not a folder");
    EXPECT_EQ(folder.entries(), std::set<std::string>{"config"});
}

TEST(IniDurability, AWriteThatFailsHalfwayLeavesTheOldFileByteForByte) {
    TempFolder folder;
    const std::string path = folder.file("trelvist.ini");
    const std::string old = "[Cash]\r\nplayer=1\r\n; " + std::string(8000, 'x') + "\n";
    writeBytes(path, old);
    IniFile file(path);
    {
        const FileSizeLimit limit(4096);
        expectRefused(file, "File too large");
    }
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(folder.entries(), std::set<std::string>{"trelvist.ini"});
    EXPECT_EQ(file.readInt("Cash", "player", 0), 1);
}

// The history files are only ever added to: an addition that fails halfway is cut off again.
TEST(IniDurability, AppendsCreateTheFolderAndAddOnlyWholeAdditions) {
    TempFolder folder;
    const std::string path = folder.file("data/history/day.txt");
    ASSERT_TRUE(appendToFile(path, "one\n"));
    ASSERT_TRUE(appendToFile(path, "two\n"));
    EXPECT_EQ(readBytes(path), "one\ntwo\n");
    {
        const FileSizeLimit limit(4096);
        EXPECT_FALSE(appendToFile(path, std::string(8000, 'x')));
    }
    EXPECT_EQ(readBytes(path), "one\ntwo\n");
    writeBytes(folder.file("blocked"), "not a folder");
    EXPECT_FALSE(appendToFile(folder.file("blocked/day.txt"), "three\n"));
    EXPECT_EQ(readBytes(folder.file("blocked")), "not a folder");
}

// A refused write leaves the file as it was; held back, its group reaches the file whole with the
// next commit, while a group that is discarded takes nothing held back with it.
TEST(IniDurability, ARefusedGroupIsHeldBackWhole) {
    TempFolder folder;
    const std::string path = folder.file("trelvist.ini");
    writeBytes(path, "[Cash]\nplayer=1\n");
    IniFile file(path);
    file.writeInt("Cash", "freak", 2);
    {
        const FileSizeLimit limit(26);  // room for the first key, not the second
        EXPECT_THROW(file.writeInt("Cash", "geek", 3), SettingsWriteError);
    }
    file.holdBack();
    EXPECT_EQ(readBytes(path), "[Cash]\nplayer=1\n");
    EXPECT_EQ(folder.entries(), std::set<std::string>{"trelvist.ini"});
    file.writeInt("Window", "zoom", 125);
    file.discard();
    file.writeInt("Cash", "master", 4);
    file.commit();
    EXPECT_EQ(readBytes(path), "[Cash]\nplayer=1\nfreak=2\ngeek=3\nmaster=4\n");
}

TEST(IniDurability, AWriteWaitsWhileAnotherWriterHoldsTheFolder) {
    TempFolder folder;
    const std::string path = folder.file("trelvist.ini");
    FileLock other;  // as another process would hold it during its own writes
    ASSERT_EQ(other.take(folder.path(), std::chrono::milliseconds(0)), FileLock::Outcome::Taken);

    std::thread writer([&] {
        IniFile file(path);
        file.writeInt("Cash", "player", 5);
        file.commit();
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(fs::exists(path)) << "written while the other writer held the lock";
    other.release();
    writer.join();
    EXPECT_EQ(readBytes(path), "[Cash]\nplayer=5\n");

    // The lock is the writer's from its first write to its commit.
    IniFile file(path);
    file.writeInt("Cash", "player", 6);
    EXPECT_EQ(other.take(folder.path(), std::chrono::milliseconds(0)), FileLock::Outcome::Busy);
    file.commit();
    EXPECT_EQ(other.take(folder.path(), std::chrono::milliseconds(0)), FileLock::Outcome::Taken);
}

TEST(IniDurability, TemporariesOfKilledWritersAreRemovedByTheNextWriter) {
    TempFolder folder;
    const std::string path = folder.file("trelvist.ini");
    writeBytes(path, "[Cash]\nplayer=1\n");
    // Killed between its write and the commit.
    const pid_t child = ::fork();
    if (child == 0) {
        IniFile file(path);
        file.writeInt("Cash", "player", 2);
        ::raise(SIGKILL);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(readBytes(path), "[Cash]\nplayer=1\n");
    EXPECT_EQ(folder.entries().size(), 2u) << "the killed writer's temporary is there";
    // One of a process that still runs (pid 1) stays.
    writeBytes(folder.file("trelvist.ini.tmp.1.0"), "in use");

    IniFile file(path);
    file.writeInt("Cash", "player", 3);
    file.commit();
    EXPECT_EQ(readBytes(path), "[Cash]\nplayer=3\n");
    EXPECT_EQ(folder.entries(), (std::set<std::string>{"trelvist.ini", "trelvist.ini.tmp.1.0"}));
}

TEST(IniDurability, AFiftyMegabyteFileIsReadAndRewrittenWhole) {
    TempFolder folder;
    const std::string path = folder.file("trelvist.ini");
    std::string filler = "[Junk]\n";
    while (filler.size() < 25'000'000) filler += "key" + std::to_string(filler.size()) + "=some text that is kept\n";
    writeBytes(path, filler + "[Cash]\nplayer=1\n" + filler);
    IniFile file(path);
    EXPECT_EQ(file.readInt("Cash", "player", 0), 1);
    file.writeInt("Cash", "player", 2);
    file.writeInt("Bet", "Big", 8);
    file.commit();
    EXPECT_TRUE(readBytes(path) == filler + "[Cash]\nplayer=2\n" + filler + "[Bet]\nBig=8\n");
    EXPECT_EQ(folder.entries(), std::set<std::string>{"trelvist.ini"});
}

}  // namespace
}  // namespace trelvist
