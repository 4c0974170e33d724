#pragma once
// The table: the whole game state, the display data and every handler a person can trigger.
// Plain C++; the window only shows the display and forwards clicks.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "game/cards.h"
#include "game/controls.h"
#include "game/display.h"
#include "game/host.h"
#include "game/random.h"
#include "game/table_observer.h"
#include "settings/store.h"

namespace trelvist {

constexpr int kCardRecords = 122;
constexpr int kEvalSlot = 40;   // records 40..46: the seven-card hand under evaluation
constexpr int kBoard = 75;      // records 75..79: flop, flop, flop, turn, river
constexpr int kSubject = 85;    // records 85, 86: the hole cards under decision

// The computer levels Amateur, Expert, Master and Genius: simulated deals minus one.
constexpr std::array<int32_t, 4> kLevelValues{400, 600, 800, 900};

// First hole-card record of each seat (the second follows it).
constexpr std::array<int, kSeatSlots> kHoleRecord{-1, 110, 100, 20, 30, 65, 55, 0, 10};

struct TableState {
    std::array<int32_t, kSeatSlots> cash{};
    std::array<bool, kSeatSlots> folded{};
    std::array<bool, kSeatSlots> raised{};  // last-raiser flags; You have none
    int32_t street = 1;       // 1 pre-flop, 2 flop, 3 turn, 4 river, 5 hand over
    int32_t blindSeat = 1;    // the big blind of the hand
    int32_t openerSeat = 1;   // whose turn opens each street
    int32_t seatsOut = 0;
    bool uncontested = false;
    bool potSettled = false;
    bool allOutDeclared = false;  // the all-out win is settled at most once per hand

    int32_t pot = 0, toCall = 0, raiseAmount = 0;
    int32_t smallBet = 4, bigBet = 8, smallBlind = 2, bigBlind = 4;
    int32_t initialCash = 1200, playUntil = 600;
    int32_t handsPlayed = 0, handsWon = 0, showdownCount = 0;
    bool soundOn = true;
    int32_t aiLevel = 400;
    int32_t cardBack = kFirstBack;

    // The last odds estimate; each estimate adds its adjustment to the one before.
    int32_t strength = 0;

    Deck deck{};
    Deck oddsDeck{};
    std::array<Card, kCardRecords> cardRec{};

    bool live(int seat) const { return !folded[seat] && cash[seat] > 0; }
    // The board cards the table shows: none pre-flop, the flop, then the turn, then the river.
    int boardShown() const { return street == 2 ? 3 : street == 3 ? 4 : street >= 4 ? 5 : 0; }

    // The card records by what they hold.
    std::span<Card, 2> hole(int seat) { return std::span<Card, 2>(&cardRec[kHoleRecord[seat]], 2); }
    std::span<const Card, 2> hole(int seat) const { return std::span<const Card, 2>(&cardRec[kHoleRecord[seat]], 2); }
    std::span<Card, 5> board() { return std::span<Card, 5>(&cardRec[kBoard], 5); }
    std::span<const Card, 5> board() const { return std::span<const Card, 5>(&cardRec[kBoard], 5); }
    std::span<Card, 7> evalSlots() { return std::span<Card, 7>(&cardRec[kEvalSlot], 7); }
    std::span<Card, 2> subject() { return std::span<Card, 2>(&cardRec[kSubject], 2); }
    std::span<const Card, 2> subject() const { return std::span<const Card, 2>(&cardRec[kSubject], 2); }

    friend bool operator==(const TableState&, const TableState&) = default;
};

// What the odds routine found: the strength it stored, and whether the opponent must not raise
// whatever the strength says.
struct OddsEstimate {
    int32_t strength;
    bool noRaise;
};

class Table {
public:
    Table(Host& host, SettingsStore& settings);

    // The construction of the main window: loads the stored game and deals the first hand.
    void startUp();

    // Presses a control as the window, the script tool and the tests do. Returns false, doing
    // nothing, when the control cannot be used now (a disabled button, or a panel control
    // while the panel is hidden).
    bool press(const Press& press);

    // The handlers behind the controls, one each.
    bool deal();
    bool checkOrCall();
    bool raise();
    bool fold();
    bool newGame();        // asks first
    bool toggleOptions();  // shows or hides the options panel
    bool advice();         // rates the human's hand in the odds window
    bool showRules();
    bool showStats();
    bool resetStats();     // only while the statistics window is open
    // The options panel. Typed text is cut to the edit boxes' six characters.
    bool typeInitialCash(const std::string& text);
    bool typePlayUntil(const std::string& text);
    bool enterInitialCash();
    bool enterPlayUntil();
    bool stepLimits(bool up);  // an arrow of the up-down control
    bool chooseCardBack(int item);  // 0..7
    bool chooseLevel(int item);     // 0..3
    bool toggleSound();
    bool closeOptions();

    // Repaints the whole table, as a window that was uncovered needs.
    void redraw();

    // The odds routine for the hole cards under decision at the current level; public so that
    // its cost can be measured on its own.
    OddsEstimate estimateOdds();

    // Tells `observer` what happens from now on; nullptr tells nobody.
    void setObserver(TableObserver* observer) { observer_ = observer ? observer : &nobody_; }

    const Display& display() const { return display_; }
    const TableState& state() const { return s_; }
    const Random& random() const { return rng_; }

    // Prepared positions for tests.
    TableState& stateForTesting() { return s_; }
    Random& randomForTesting() { return rng_; }

private:
    struct DealStopped {};  // thrown by a refused write during a deal

    // Start-up and new game.
    void loadStoredGame();
    void fillPanel();
    void selectCardBack(int item);
    void selectLevel(int item);
    void postFirstBlinds();
    void gameOverAtStart();
    // Dealing.
    void shuffleAndDeal();
    void prepareHand(std::span<const int> brokeSeatsCounted);
    void postBlind(int seat, bool big);
    void gameOver(const std::string& text);
    // Table rendering.
    void drawTable();
    void drawSeatCard(int seat, int c);
    void drawBoardCard(int i);
    // Betting.
    void openPreflop();
    void answerAndAct(int bigBlindSeat);
    bool opponentTurn(int seat);
    void stoppingChain(int firstSeat, bool stopAtShowdown);
    void skippingChain(int firstSeat);
    void opponentAnswer(int seat);
    int32_t decideRaise();   // the raise an opponent makes in its turn, 0 for none
    bool decideStayIn();     // whether an opponent pays a bet or folds
    void raiseTheBet();
    void settleRaise(int raiser);
    int lastRaiser() const;
    void setRaiser(int seat);
    void updateRaiseButton();
    void closeStreet();
    // Hand end.
    void showdown();
    void allOutWin();
    void declareAllOutWin();
    void finishHandButtons();
    // Odds.
    int holeCardAdjustment() const;
    // Small shared steps.
    void pay(int seat, int64_t amount);
    void showCash(int seat);
    void showAllCash();
    void showPot();
    void setStatus(int seat, std::string_view text);
    void setStatusColor(int seat, LabelColor color);
    void whitenStatuses();
    void eraseSeatCards(int seat);
    void copyHoleToSubject(int seat);
    void chipSound();
    void cardSound();
    void enableActions(bool enabled);
    // Settings writes. A refused write is reported once per user action; the action goes on,
    // except a deal, which stops at it.
    void beginAction();
    void writeInt(const char* section, const char* key, int32_t value);
    void writeBool(const char* section, const char* key, bool value);
    void writeStats();
    void writeCash();
    void refused(const SettingsWriteError& error);

    Host& host_;
    SettingsStore& settings_;
    TableObserver nobody_;
    TableObserver* observer_ = &nobody_;
    TableState s_;
    Display display_;
    Random rng_;
    bool writeErrorReported_ = false;
    bool dealInProgress_ = false;
    bool statsWindowOpen_ = false;
};

}  // namespace trelvist
