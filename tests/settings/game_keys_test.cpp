// The game's keys: names, order and defaults of the start-up read, and the two mends.
#include <map>
#include <stdexcept>
#include <tuple>
#include <vector>

#include "settings/game_keys.h"
#include "settings/ini_file.h"
#include "temp_folder.h"

namespace trelvist {
namespace {

// Holds integers in memory and records every read as "Section/key=fallback".
class RecordingStore : public SettingsStore {
public:
    std::map<std::pair<std::string, std::string>, int32_t> values;
    std::vector<std::string> reads;

    int32_t readInt(const std::string& section, const std::string& key, int32_t fallback) override {
        reads.push_back(section + "/" + key + "=" + std::to_string(fallback));
        const auto found = values.find({section, key});
        return found == values.end() ? fallback : found->second;
    }
    bool readBool(const std::string& section, const std::string& key, bool fallback) override {
        return readInt(section, key, fallback) != 0;
    }
    void writeInt(const std::string&, const std::string&, int32_t) override { ADD_FAILURE() << "reading wrote"; }
    void writeBool(const std::string&, const std::string&, bool) override { ADD_FAILURE() << "reading wrote"; }
};

TEST(GameKeys, StartUpReadsEveryKeyOnceInOrderWithItsDefault) {
    RecordingStore store;
    const StoredGame game = readStoredGame(store);
    EXPECT_EQ(store.reads, (std::vector<std::string>{
                               "Settings/Sound=1", "Stats/showdowns=0", "Stats/handsplayed=0", "Stats/handswon=0",
                               "Cash/freak=1200", "Cash/player=1200", "Cash/geek=1200", "Cash/master=1200",
                               "Cash/champ=1200", "Cash/pinhead=1200", "Cash/expert=1200", "Cash/robot=1200",
                               "Cash/until=600", "Cash/initial=1200", "Card/back=52", "Levels/comp=400",
                               "Bet/Small=4", "Bet/Big=8"}));
    EXPECT_TRUE(game.soundOn);
    EXPECT_EQ(std::tie(game.showdownCount, game.handsPlayed, game.handsWon), std::tuple(0, 0, 0));
    for (int seat = 1; seat <= 8; ++seat) EXPECT_EQ(game.cash[seat], 1200) << "seat " << seat;
    EXPECT_EQ(std::tie(game.playUntil, game.initialCash, game.cardBack, game.aiLevel, game.smallBet, game.bigBet),
              std::tuple(600, 1200, 52, 400, 4, 8));
}

TEST(GameKeys, ValuesAreTakenAsTheyStandButForTheTwoMends) {
    const struct {
        int32_t stored, level, back;
    } cases[] = {
        {2000, 2000, 2000}, {2001, 400, 2001}, {INT32_MAX, 400, INT32_MAX}, {500, 500, 500},
        {-5, -5, 52}, {51, 51, 52}, {52, 52, 52}, {59, 59, 59}, {75, 75, 75},
    };
    for (const auto& c : cases) {
        RecordingStore store;
        store.values[{"Levels", "comp"}] = c.stored;
        store.values[{"Card", "back"}] = c.stored;
        const StoredGame game = readStoredGame(store);
        EXPECT_EQ(game.aiLevel, c.level) << "comp " << c.stored;
        EXPECT_EQ(game.cardBack, c.back) << "back " << c.stored;
    }
}

TEST(GameKeys, AFileWrittenByHandReadsIntoTheGame) {
    testing::TempFolder folder;
    testing::writeBytes(folder.file("trelvist.ini"),
                        "[settings]\nsound=yes\n[Cash]\nplayer=0\nrobot=-40\ninitial=0x64\n[Bet]\nSMALL=10\nBig=20\n"
                        "[Levels]\ncomp=99999\n[Card]\nback=7\n");
    IniFile file(folder.file("trelvist.ini"));
    const StoredGame game = readStoredGame(file);
    EXPECT_TRUE(game.soundOn);
    EXPECT_EQ(game.cash[8], 0);
    EXPECT_EQ(game.cash[1], -40);
    EXPECT_EQ(game.cash[7], 1200);
    EXPECT_EQ(std::tie(game.initialCash, game.smallBet, game.bigBet, game.aiLevel, game.cardBack),
              std::tuple(100, 10, 20, 400, 52));
}

TEST(GameKeys, CashKeysAreTheSeatNamesInLowerCase) {
    const std::vector<std::string> names{"robot", "expert", "pinhead", "champ", "master", "geek", "freak", "player"};
    for (int seat = 1; seat <= 8; ++seat) EXPECT_EQ(cashKey(seat), names[seat - 1]);
    EXPECT_THROW(cashKey(0), std::out_of_range);
    EXPECT_THROW(cashKey(9), std::out_of_range);
}

}  // namespace
}  // namespace trelvist
