// Thousands of hands of random presses on every control, checking after each press what
// must always hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "game/table.h"
#include "tests/support/test_host.h"

namespace trelvist {
namespace {

using testing::MemoryStore;
using testing::TestHost;

bool isPermutation(const Deck& deck) {
    std::array<bool, kDeckSize> seen{};
    for (const Card& c : deck) {
        if (c.suit < 0 || c.suit > 3 || c.rank < 0 || c.rank >= kRanks || seen[picture(c)]) return false;
        seen[picture(c)] = true;
    }
    return true;
}

class Soak {
public:
    explicit Soak(uint32_t seed) : pick_(seed), table_(host_, store_) {
        host_.insideWindow = [this](ModalWindow w) {
            if (w == ModalWindow::Stats && coin(3)) table_.dxButton2Click();
        };
    }

    void run(int hands) {
        table_.startUp();
        checkAfter(TableState{}, "start", true);
        while (hands_ < hands) press();
    }

private:
    bool coin(int oneIn) { return std::uniform_int_distribution<int>(0, oneIn - 1)(pick_) == 0; }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(pick_); }

    std::string randomText() {
        static const char* samples[] = {"", "100", "99", "1000000", "999999", "-5", "+300", "12a", " 100", "0x10", "2000", "0", "600"};
        return samples[below(13)];
    }

    void press() {
        const TableState before = table_.state();
        const int street = before.street;
        std::string what;
        bool newHand = false;
        // The four table buttons come up far more often than the rest.
        switch (below(40)) {
            case 0: what = "new"; host_.answerYes = coin(2); newHand = host_.answerYes; table_.NewGame1Click(); break;
            case 1: what = "options"; table_.Options1Click(); break;
            case 2: what = "advice"; table_.Advice1Click(); break;
            case 3: what = "about"; table_.aboutbox(); break;
            case 4: what = "stats"; table_.Stats1Click(); break;
            case 5: what = "repaint"; table_.redraw(); break;
            case 6: what = "money"; table_.setMoneyText(randomText()); table_.enterClick(); break;
            case 7: what = "until"; table_.setUntilText(randomText()); table_.unenterClick(); break;
            case 8: what = "updown"; table_.betchange(coin(2)); break;
            case 9: what = "back"; table_.Changeback(below(8)); break;
            case 10: what = "level"; table_.LevelsClick(coin(4) ? below(4) : 0); break;
            case 11: what = "sound"; table_.SoundOff1Click(); break;
            case 12: what = "ok"; table_.CloseClick(); break;
            case 13: what = "writes"; store_.refuse = coin(4); break;
            case 14: case 15: case 16: case 17:
                what = "fold";
                table_.playerpasses();
                break;
            case 18: case 19: case 20: case 21: case 22: case 23:
                what = "raise";
                table_.playerbets();
                break;
            default:
                if (table_.display().btnnew.enabled) {
                    what = "deal";
                    newHand = table_.newgame() && table_.state().street == 1;
                } else {
                    what = "call";
                    table_.playerstays();
                }
        }
        // A finished game is started over now and then, so that the soak keeps playing.
        if (!table_.display().btnnew.enabled && !table_.display().btnstay.enabled && coin(3)) {
            table_.Options1Click();
            table_.setMoneyText("1200");
            table_.Options1Click();
            host_.answerYes = true;
            table_.NewGame1Click();
            newHand = true;
        }
        if (newHand) ++hands_;
        checkAfter(before, what, newHand || table_.state().street < street);
    }

    void checkAfter(const TableState& before, const std::string& what, bool newHand) {
        const TableState& s = table_.state();
        const Display& d = table_.display();
        SCOPED_TRACE("after " + what + " in hand " + std::to_string(hands_));
        ASSERT_TRUE(isPermutation(s.deck));
        ASSERT_TRUE(isPermutation(s.oddsDeck));
        ASSERT_GE(s.street, 1);
        ASSERT_LE(s.street, 5);
        if (!newHand) {
            ASSERT_GE(s.street, before.street) << "street went back within a hand";
        }
        ASSERT_GE(s.openerSeat, 1);
        ASSERT_LE(s.openerSeat, 8);
        ASSERT_LE(std::count(s.raised.begin(), s.raised.end(), true), 1);
        ASSERT_EQ(d.betsize, std::to_string(s.pot));
        for (int seat : kSeatOrder) {
            ASSERT_EQ(d.cashLabel[seat], std::to_string(s.cash[seat])) << seat;
        }
        // Nobody acts while out of the hand, and a fold lasts until the next deal.
        if (!newHand) {
            for (int seat : kOpponents) {
                if (before.folded[seat]) {
                    ASSERT_TRUE(s.folded[seat]) << seat;
                }
                const std::string& status = d.status[seat].text;
                const bool acted = s.cash[seat] != before.cash[seat] && status != "Small Blind" && status != "Big Blind";
                if (acted && !before.live(seat) && what != "money") {
                    ADD_FAILURE() << "seat " << seat << " acted while out";
                }
            }
        }
        // The buttons follow the state of the hand.
        if (d.btnstay.enabled || d.btnpass.enabled) {
            ASSERT_LT(s.street, 5);
            ASSERT_FALSE(d.btnnew.enabled);
            ASSERT_TRUE(d.btnstay.enabled && d.btnpass.enabled);
        }
        if (d.btnbet.enabled) {
            ASSERT_TRUE(d.btnstay.enabled);
        }
        if (s.street == 5) {
            ASSERT_FALSE(d.btnstay.enabled);
        }
        // The flag may name the big blind; an unanswered raise shows as the holder's "Raises".
        for (int seat : kOpponents)
            if (d.btnbet.enabled && s.raised[seat]) {
                ASSERT_NE(d.status[seat].text, "Raises") << "Raise enabled against an unanswered raise";
            }
    }

    std::mt19937 pick_;
    TestHost host_;
    MemoryStore store_;
    Table table_;
    int hands_ = 0;
};

TEST(Soak, RandomPressesKeepTheTableSound) {
    for (uint32_t seed : {1u, 2u, 3u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Soak soak(seed);
        soak.run(1000);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace trelvist
