// Reading the settings file: defaults, the parsing of values, names and the shape of the file.
#include <climits>
#include <random>

#include "settings/ini_file.h"
#include "temp_folder.h"

namespace trelvist {
namespace {

using namespace std::string_literals;
using testing::TempFolder;
using testing::writeBytes;

class IniRead : public ::testing::Test {
protected:
    IniFile fileWith(const std::string& text) {
        writeBytes(folder.file("trelvist.ini"), text);
        return IniFile(folder.file("trelvist.ini"));
    }
    TempFolder folder;
};

TEST_F(IniRead, ValuesParseAsDecimalOrHexOrGiveTheDefault) {
    constexpr int32_t kFallback = -77;
    const struct {
        const char* stored;
        int32_t expected;
    } cases[] = {
        {"0", 0}, {"42", 42}, {"+42", 42}, {"-42", -42}, {"007", 7}, {"-0", 0},
        {"2147483647", INT32_MAX}, {"-2147483648", INT32_MIN},
        {"2147483648", kFallback}, {"-2147483649", kFallback}, {"+2147483648", kFallback},
        {"99999999999999999999999", kFallback}, {"00000000000000000000012", 12},
        {"0x1", 1}, {"0XfF", 255}, {"0x0", 0}, {"0x7FFFFFFF", INT32_MAX},
        {"0x80000000", INT32_MIN}, {"0xFFFFFFFF", -1}, {"0x00000010", 16},
        {"0x123456789", kFallback}, {"0x000000001", kFallback}, {"0x", kFallback},
        {"0X", kFallback}, {"0xG", kFallback}, {"-0x5", kFallback}, {"+0x5", kFallback},
        {"  12  ", 12}, {"\t-3\t", -3}, {" 0x1A ", 26},
        {"yes", kFallback}, {"", kFallback}, {"+", kFallback}, {"-", kFallback},
        {"1 2", kFallback}, {"12abc", kFallback}, {"1.5", kFallback}, {"1e3", kFallback},
        {"--1", kFallback}, {"5 ; note", kFallback}, {"\"5\"", kFallback},
    };
    for (const auto& c : cases) {
        IniFile file = fileWith(std::string("[Cash]\nplayer=") + c.stored + "\n");
        EXPECT_EQ(file.readInt("Cash", "player", kFallback), c.expected) << "stored '" << c.stored << "'";
    }
}

TEST_F(IniRead, BooleansAreTrueWhenTheNumberIsNotZero) {
    const struct {
        const char* stored;
        bool whenTrueFallback, whenFalseFallback;
    } cases[] = {
        {"1", true, true}, {"7", true, true}, {"-1", true, true}, {"0x10", true, true},
        {"0", false, false}, {"0x0", false, false}, {"-0", false, false},
        {"yes", true, false}, {"true", true, false}, {"", true, false},
    };
    for (const auto& c : cases) {
        IniFile file = fileWith(std::string("[Settings]\nSound=") + c.stored + "\n");
        EXPECT_EQ(file.readBool("Settings", "Sound", true), c.whenTrueFallback) << c.stored;
        EXPECT_EQ(file.readBool("Settings", "Sound", false), c.whenFalseFallback) << c.stored;
    }
}

TEST_F(IniRead, AbsentOrUnreadableFilesAndKeysGiveTheDefault) {
    IniFile missing(folder.file("nothing/here.ini"));
    EXPECT_EQ(missing.readInt("Cash", "player", 1200), 1200);
    EXPECT_TRUE(missing.readBool("Settings", "Sound", true));

    std::filesystem::create_directory(folder.file("adir"));
    EXPECT_EQ(IniFile(folder.file("adir")).readInt("Cash", "player", 5), 5);

    writeBytes(folder.file("plain"), "[Cash]\nplayer=3\n");
    EXPECT_EQ(IniFile(folder.file("plain/trelvist.ini")).readInt("Cash", "player", 5), 5);

    IniFile file = fileWith("[Cash]\nplayer=3\n[Stats]\n");
    EXPECT_EQ(file.readInt("Cash", "freak", 9), 9);
    EXPECT_EQ(file.readInt("Stats", "player", 9), 9);
    EXPECT_EQ(file.readInt("Bet", "player", 9), 9);
}

TEST_F(IniRead, NamesIgnoreAsciiCaseAndSurroundingBlanks) {
    IniFile file = fileWith("[cASH]\nPLAYER=5\n[ Bet ]\n  small  =  6\nBIG=7\n");
    EXPECT_EQ(file.readInt("Cash", "player", 0), 5);
    EXPECT_EQ(file.readInt("Bet", "Small", 0), 6);
    EXPECT_EQ(file.readInt("bet", "big", 0), 7);
    // Only ASCII letters fold: these bytes are not the same name.
    EXPECT_EQ(fileWith("[Cash]\nplay\xC3\x89r=5\n").readInt("Cash", "play\xC3\xA9r", 0), 0);
}

TEST_F(IniRead, TheFirstMatchingSectionAndKeyCount) {
    IniFile file = fileWith(
        "player=1\n"  // before any section: in none
        "[Cash]\nplayer=2\nPlayer=3\n[Stats]\nplayer=4\n[cash]\nplayer=5\nfreak=6\n");
    EXPECT_EQ(file.readInt("Cash", "player", 0), 2);
    EXPECT_EQ(file.readInt("Cash", "freak", 0), 0);  // only in the second Cash section
    EXPECT_EQ(file.readInt("Stats", "player", 0), 4);
}

TEST_F(IniRead, CommentsAndLinesWithoutEqualsAreSkipped) {
    IniFile file = fileWith(
        "; [Cash]\n[Cash]\n;player=1\n   # player=2\n\tplayer\n[Card\nplayer=3\n"
        "back=53 ; not a comment\n=9\n");
    EXPECT_EQ(file.readInt("Cash", "player", 0), 3);  // "[Card" without its bracket opens nothing
    EXPECT_EQ(file.readInt("Cash", "back", 0), 0);
}

TEST_F(IniRead, CrLfAndLfLineEndsBothRead) {
    IniFile file = fileWith("\xEF\xBB\xBF[Cash]\r\nplayer=5\r\nfreak=6\n[Bet]\r\nSmall=2");
    EXPECT_EQ(file.readInt("Cash", "player", 0), 5);
    EXPECT_EQ(file.readInt("Cash", "freak", 0), 6);
    EXPECT_EQ(file.readInt("Bet", "Small", 0), 2);  // the last line has no line end
}

TEST_F(IniRead, BinaryGarbageAroundTheKeysDoesNotStopReading) {
    std::mt19937 random(2024);
    std::string garbage;
    for (int i = 0; i < 200000; ++i) garbage += static_cast<char>(random() % 256);
    garbage += std::string(1 << 20, '\0') + std::string(1 << 20, '=');  // very long lines
    IniFile file = fileWith(garbage + "\n[Cash]\nplayer=\0\xFF\n[Card]\nback=55\n"s + garbage);
    EXPECT_EQ(file.readInt("Cash", "player", 8), 8);
    EXPECT_EQ(file.readInt("Card", "back", 0), 55);
}

}  // namespace
}  // namespace trelvist
