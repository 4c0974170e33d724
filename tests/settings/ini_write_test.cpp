// Writing the settings file: one key changes, every other byte stays.
#include "settings/ini_file.h"
#include "temp_folder.h"

namespace trelvist {
namespace {

using namespace std::string_literals;
using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

class IniWrite : public ::testing::Test {
protected:
    // The file's bytes after writing key=value into a file that held `before`.
    std::string afterWrite(const std::string& before, const char* section, const char* key, int32_t value) {
        writeBytes(path, before);
        IniFile(path).writeInt(section, key, value);
        return readBytes(path);
    }
    TempFolder folder;
    std::string path = folder.file("trelvist.ini");
};

const std::string kHandEdited =
    "; kept by hand\n"
    "[Settings]\n"
    "Sound=1\n"
    "\n"
    "[Cash]\n"
    "  Player = 17 ; note\n"
    "freak=3\n"
    "# a comment\n"
    "unknown=abc\n"
    "player=99\n"
    "garbage \x01\xFF line\n"
    "\n"
    "; about Other\n"
    "[Other]\n"
    "player=1\n";

TEST_F(IniWrite, ReplacesTheKeysLineInPlace) {
    std::string expected = kHandEdited;
    expected.replace(expected.find("  Player = 17 ; note"), 20, "player=5");
    EXPECT_EQ(afterWrite(kHandEdited, "Cash", "player", 5), expected);

    EXPECT_EQ(afterWrite("[cash]\nFREAK=1\n", "Cash", "freak", -2147483647 - 1), "[cash]\nfreak=-2147483648\n");
    EXPECT_EQ(afterWrite("[Cash]\r\nplayer=1\nfreak=2\r\n", "Cash", "freak", 0), "[Cash]\r\nplayer=1\nfreak=0\r\n");
    EXPECT_EQ(afterWrite("[Cash]\nplayer=1", "Cash", "player", 2), "[Cash]\nplayer=2");
}

TEST_F(IniWrite, AddsAKeyAfterTheLastLineOfItsSection) {
    std::string expected = kHandEdited;
    expected.insert(expected.find("\n; about Other"), "geek=7\n");
    EXPECT_EQ(afterWrite(kHandEdited, "Cash", "geek", 7), expected);

    EXPECT_EQ(afterWrite("[Cash]\nplayer=1", "Cash", "freak", 2), "[Cash]\nplayer=1\nfreak=2\n");
    EXPECT_EQ(afterWrite("[Cash]", "Cash", "freak", 2), "[Cash]\nfreak=2\n");
    EXPECT_EQ(afterWrite("[Cash]\r\nplayer=1\r\n\r\n[Bet]\r\n", "Cash", "freak", 2),
              "[Cash]\r\nplayer=1\r\nfreak=2\r\n\r\n[Bet]\r\n");
    // Into the first of two sections of the same name, where reading looks.
    EXPECT_EQ(afterWrite("[Cash]\nplayer=1\n[Cash]\nfreak=9\n", "Cash", "freak", 2),
              "[Cash]\nplayer=1\nfreak=2\n[Cash]\nfreak=9\n");
}

TEST_F(IniWrite, AddsANewSectionAtTheEnd) {
    EXPECT_EQ(afterWrite(kHandEdited, "Bet", "Small", 6), kHandEdited + "[Bet]\nSmall=6\n");
    EXPECT_EQ(afterWrite("[Cash]\nplayer=1", "Bet", "Big", 8), "[Cash]\nplayer=1\n[Bet]\nBig=8\n");
    EXPECT_EQ(afterWrite("[Cash]\r\nplayer=1", "Bet", "Big", 8), "[Cash]\r\nplayer=1\r\n[Bet]\r\nBig=8\r\n");
    EXPECT_EQ(afterWrite("", "Bet", "Big", 8), "[Bet]\nBig=8\n");
}

TEST_F(IniWrite, GroupsOfWritesBuildTheFileInTheOrderKeysWereFirstWritten) {
    IniFile file(folder.file("new/folders/trelvist.ini"));
    file.writeInt("Stats", "showdowns", 3);
    file.writeInt("Cash", "freak", 1100);
    file.writeInt("Stats", "handswon", 1);
    file.writeBool("Settings", "Sound", false);
    file.writeInt("Cash", "freak", 1300);
    file.writeBool("Settings", "Sound", true);
    // The group reaches the file when it is committed; reads see it before.
    EXPECT_FALSE(std::filesystem::exists(file.path()));
    EXPECT_EQ(file.readInt("Cash", "freak", 0), 1300);
    file.commit();
    EXPECT_EQ(readBytes(file.path()), "[Stats]\nshowdowns=3\nhandswon=1\n[Cash]\nfreak=1300\n[Settings]\nSound=1\n");
    EXPECT_EQ(file.readInt("Cash", "freak", 0), 1300);
    EXPECT_TRUE(file.readBool("Settings", "Sound", false));
}

TEST_F(IniWrite, KeepsBinaryGarbageAndLinesItDoesNotUnderstand) {
    std::string garbage = "\0\xFF\xFE\r=[\x80]\r\r\n"s + std::string(300000, '\0') + "\n[\n=\n\xC3(\n";
    const std::string before = "[Cash]\nplayer=1\n"s + garbage + "[Card]\nback=53\n" + garbage;
    // The garbage has no section header, so it belongs to Cash, and the new key follows it.
    EXPECT_EQ(afterWrite(before, "Cash", "freak", 2),
              "[Cash]\nplayer=1\n"s + garbage + "freak=2\n[Card]\nback=53\n" + garbage);
    EXPECT_EQ(afterWrite(before, "Card", "back", 59), "[Cash]\nplayer=1\n"s + garbage + "[Card]\nback=59\n" + garbage);
}

}  // namespace
}  // namespace trelvist
