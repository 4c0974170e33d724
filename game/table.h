#pragma once
// The table: the rules' state, every press a person can make, and the view of what the table
// shows. Plain C++: the window draws the view and forwards presses, the opponents decide
// through their strategies, and observers hear what happens.
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "game/cards.h"
#include "game/controls.h"
#include "game/host.h"
#include "game/observer_list.h"
#include "game/odds_routine.h"
#include "game/random.h"
#include "game/lineup.h"
#include "game/seat_strategy.h"
#include "game/strategies.h"
#include "game/table_state.h"
#include "game/table_view.h"
#include "settings/store.h"

namespace trelvist {

class Table {
public:
    // Every opponent plays the classic rules until told otherwise.
    Table(Host& host, SettingsStore& settings);
    // The odds routine and the strategies hold on to this table's generator and state.
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

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
    bool advice();         // rates the human's hand: the view's odds rating
    bool showStats();      // the statistics window's figures, as it opens
    bool resetStats();     // the statistics window's Reset
    // The options panel. Typed text is cut to the edit boxes' six characters.
    bool typeInitialCash(const std::string& text);
    bool typePlayUntil(const std::string& text);
    bool enterInitialCash();
    bool enterPlayUntil();
    bool stepLimits(bool up);  // an arrow of the up-down control
    bool chooseCardBack(int item);  // 0..7
    bool chooseLevel(int item);     // 0..3
    bool chooseLineup(int item);    // 0 classic, 1 mixed, 2 random, 3 picked per seat
    bool pickStyles(const OpponentStyles& styles);
    bool toggleSound();
    bool closeOptions();

    // Lays every card again, as a window that was uncovered once needed: the felt first,
    // then the cards of the seats still in and the board. Its observers see it as it is told.
    void redraw();

    // What the table shows now.
    TableView view() const;

    // Tells `observer` what happens from now on, besides every observer added before.
    void addObserver(TableObserver& observer) { observers_.add(observer); }
    // `seat` (an opponent) decides through `strategy` from now on; a seat that is no
    // opponent, or no strategy, is refused with std::invalid_argument.
    void setStrategy(int seat, std::unique_ptr<SeatStrategy> strategy);
    StrategyTools strategyTools() { return {odds_, rng_}; }

    // Seeds the generator afresh, as a new game seeds it from the clock: a match deals each
    // hand from a seed of its own, so that the same seed deals the same cards whatever the
    // seats did before.
    void reseed(uint32_t seed) { rng_.seed(seed); }

    const TableState& state() const { return s_; }
    const Random& random() const { return rng_; }
    const OddsRoutine& odds() const { return odds_; }
    // The actions of the hand in progress (or the last one), blinds first.
    std::span<const SeatAction> actions() const { return actions_; }

    // Prepared positions for tests and benchmarks.
    TableState& stateForTesting() { return s_; }
    Random& randomForTesting() { return rng_; }
    OddsRoutine& oddsForTesting() { return odds_; }
    SeatContext contextFor(int seat) const;

private:
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
    // The cards on the table.
    void layCards();
    void clearSeatCards(int seat);
    void clearBoard();
    void tell(TableChange change);
    // Betting.
    void openPreflop();
    void answerAndAct(int bigBlindSeat);
    bool opponentTurn(int seat);
    void stoppingChain(int firstSeat, bool stopAtShowdown);
    void skippingChain(int firstSeat);
    void opponentAnswer(int seat);
    void raiseTheBet();
    void settleRaise(int raiser);
    int lastRaiser() const;
    void setRaiser(int seat);
    void updateRaiseButton();
    void closeStreet();
    void act(int seat, Move move, int32_t amount);
    // Hand end.
    void showdown();
    void allOutWin();
    void declareAllOutWin();
    void finishHandButtons();
    // Small shared steps.
    void pay(int seat, int64_t amount);
    void showCash(int seat);
    void showAllCash();
    void showPot();
    void setStatus(int seat, std::string_view text);
    void setStatusColor(int seat, LabelColor color);
    void whitenStatuses();
    void chipSound();
    void cardSound();
    void enableActions(bool enabled);
    // Settings writes. The writes of one user action are one group of the store: they reach the
    // file together when the action ends, never before a box in its middle, so that a kill at
    // any moment leaves the file as it was before or after the action, never half of it. A
    // refused write is reported once per action; the action goes on in memory and makes all its
    // other writes, so that the store holds the whole of it back for a later commit, except
    // that a deal stops once the last hand's writes are made.
    void beginAction();
    void writeInt(const char* section, const char* key, int32_t value);
    void writeBool(const char* section, const char* key, bool value);
    void writeStats();
    void writeCash();
    void refused(const SettingsWriteError& error);
    // Where each handler that writes ends: commits the action's writes, or holds them back when
    // one was refused.
    void commitWrites();

    Host& host_;
    SettingsStore& settings_;
    ObserverList observers_;
    TableState s_;
    TableView view_;  // its labels and cards; the buttons are worked out from the state
    Random rng_;
    OddsRoutine odds_{rng_, s_};
    std::array<std::unique_ptr<SeatStrategy>, kSeatSlots> strategies_;
    // The opponents' line-up and the generator of its draws, apart from the game's own so
    // that a drawn line-up leaves the deals as they are.
    Lineup lineup_ = Lineup::Classic;
    OpponentStyles pickedStyles_{};  // the player's pick for each opponent
    uint64_t lineupDraws_ = 0;
    void seatLineup();
    std::vector<SeatAction> actions_;
    bool actionWrote_ = false;
    bool actionRefused_ = false;  // its refusal is reported
};

}  // namespace trelvist
