// Writes are atomic and durable: refused writes leave the old file and no temporary file behind.
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include "settings/durable_file.h"
#include "settings/ini_file.h"
#include "temp_folder.h"

namespace trelvist {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

// Expects the write to be refused with the file's path in the message.
void expectRefused(IniFile& file) {
    try {
        file.writeInt("Cash", "player", 1);
        ADD_FAILURE() << "the write to " << file.path() << " was not refused";
    } catch (const SettingsWriteError& error) {
        EXPECT_STREQ(error.what(), ("Unable to write to " + file.path()).c_str());
    }
}

// Files larger than `bytes` cannot be written while it lives, as on a nearly full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        const rlimit limit{bytes, saved_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);  // a failed write instead of a killed process
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

TEST(IniDurability, WritesLeaveOnlyTheFileAndKeepItsPermissions) {
    TempFolder folder;
    const std::string path = folder.file("trelvist.ini");
    writeBytes(path, "[Cash]\nplayer=1\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    IniFile file(path);
    for (int i = 0; i < 20; ++i) file.writeInt("Cash", "player", i);
    file.writeBool("Settings", "Sound", true);
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

TEST(IniDurability, AFolderInTheWayRefusesTheWrite) {
    TempFolder folder;
    fs::create_directory(folder.file("trelvist.ini"));
    IniFile file(folder.file("trelvist.ini"));
    expectRefused(file);
    EXPECT_TRUE(fs::is_directory(file.path()));
    EXPECT_TRUE(fs::is_empty(file.path()));
    EXPECT_EQ(folder.entries(), std::set<std::string>{"trelvist.ini"});
}

TEST(IniDurability, AFileWhereTheFolderShouldBeRefusesTheWrite) {
    TempFolder folder;
    writeBytes(folder.file("config"), "not a folder");
    IniFile file(folder.file("config/trelvist/trelvist.ini"));
    expectRefused(file);
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
        expectRefused(file);
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
    EXPECT_TRUE(readBytes(path) == filler + "[Cash]\nplayer=2\n" + filler + "[Bet]\nBig=8\n");
    EXPECT_EQ(folder.entries(), std::set<std::string>{"trelvist.ini"});
}

}  // namespace
}  // namespace trelvist
