#pragma once
// The table: the whole game state, the display data and every handler a person can trigger.
// Plain C++; the window only shows the display and forwards clicks.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "game/cards.h"
#include "game/display.h"
#include "game/host.h"
#include "game/random.h"
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

    // The opponents' decision values.
    int32_t strength = 0;
    bool noRaise = false;
    bool willCall = false;
    int32_t raiseChance = 0;
    int32_t handValue = 0, kickerScore = 0;

    Deck deck{};
    Deck oddsDeck{};
    std::array<Card, kCardRecords> cardRec{};

    bool live(int seat) const { return !folded[seat] && cash[seat] > 0; }
};

class Table {
public:
    Table(Host& host, SettingsStore& settings);

    // The construction of the main window: loads the stored game and deals the first hand.
    void startUp();

    // The handlers. Each returns false, doing nothing, when its control cannot be used now
    // (a disabled button, or a panel control while the panel is hidden).
    bool newgame();          // Deal
    bool playerstays();      // Check / Call
    bool playerbets();       // Raise
    bool playerpasses();     // Fold
    bool NewGame1Click();    // New, with its question
    bool Options1Click();    // shows or hides the options panel
    bool Advice1Click();     // rates the human's hand in the odds window
    bool aboutbox();         // the rules window
    bool Stats1Click();      // the statistics window
    bool dxButton2Click();   // Reset, inside the statistics window
    void redraw();           // the paint handler

    // The options panel.
    bool setMoneyText(const std::string& text);  // what is typed in the edit boxes,
    bool setUntilText(const std::string& text);  // cut to their 6 characters
    bool enterClick();
    bool unenterClick();
    bool betchange(bool rightArrow);  // a press of an arrow of the up-down control
    bool Changeback(int item);        // 0..7
    bool LevelsClick(int item);       // 0..3
    bool SoundOff1Click();
    bool CloseClick();

    // The odds routine for the hole cards in records 85 and 86 at the current level; public so
    // that its cost can be measured on its own.
    void estimateOdds();

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
    void decideRaise();
    void decideStayIn();
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
    // except a deal, which stops at it. writeInt and writeCash tell whether all was accepted.
    void beginAction();
    bool writeInt(const char* section, const char* key, int32_t value);
    void writeBool(const char* section, const char* key, bool value);
    void writeStats();
    bool writeCash();
    void refused(const SettingsWriteError& error);
    // Puts the writes made so far into the file in one step. Called where each handler that
    // writes ends, and before a box that waits for the person after writes of the same press
    // (a refused write has committed the writes before it), so that a kill at any moment leaves
    // the file as it was before or after such a step, never half of one.
    void commitWrites();

    Host& host_;
    SettingsStore& settings_;
    TableState s_;
    Display display_;
    Random rng_;
    bool writeErrorReported_ = false;
    bool dealInProgress_ = false;
    bool statsWindowOpen_ = false;
};

}  // namespace trelvist
