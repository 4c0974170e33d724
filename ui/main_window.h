#pragma once
// The main window: the table canvas, the seat labels, the buttons and the options panel.
// It holds no game state: every click goes to the table, and after it the window shows the
// table's view: the canvas draws its cards, the labels and buttons take its texts.
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "game/table.h"
#include "history/hand_history.h"
#include "settings/store.h"
#include "stats/statistics_report.h"
#include "statsdb/statistics_store.h"
#include "ui/playback.h"
#include "ui/qt_host.h"
#include "ui/window_prefs.h"

namespace trelvist::ui {

class TableCanvas;
class OptionsPanel;
class StatsWindow;
class OddsWindow;
class RulesWindow;
class TableZoom;
class ViewMenu;
class OddsMeter;
class HistoryWindow;
class SeatHud;

class MainWindow : public QWidget, private HostWindow {
    Q_OBJECT
public:
    // The hooks stand in for the person and the machine in tests; empty ones leave the real.
    explicit MainWindow(SettingsStore& settings, HostHooks hooks = {});
    ~MainWindow() override;

    // Loads the stored game and deals the first hand; the window is shown afterwards. False when
    // the window was closed meanwhile (in a box of the start-up): it is not to be shown then.
    bool startUp();
    // Shows the window centred on the screen, at its remembered zoom where that fits.
    void showCentred();

    // Presses a control of the game, then shows the table as the press left it, paced beat
    // by beat at the chosen speed. A press while beats are still to come only finishes them.
    void press(const Press& press);
    // Shows the table's view on every widget of the main and the modal windows.
    void bringUpToDate() override;

    void setPlaybackSpeed(PlaybackSpeed speed);
    // Shows or hides each seat's statistics under its name, and remembers the choice.
    void setSeatStatistics(bool on);
    // Opens the dialog that picks each opponent's style, and plays with the pick.
    void pickStyles();
    // Shows or hides each opponent's style above its name, and remembers the choice.
    void setShowStyles(bool on);
    // The statistics window and the seats' figures on the table show this report.
    void showReport(const stats::StatisticsReport& report);
    // Opens the statistics store, rebuilding it from the history files when it needs it.
    void openStatistics();
    // Reads every history file into the store again, with a progress bar.
    void rebuildStatistics();
    void recordHand(const history::HandRecord& hand);
    // The store's figures, or this run's nothing while the store cannot be used.
    void showStatistics();
    Playback& playback() { return *playback_; }

    Table& table() { return *table_; }
    Host& host() { return *host_; }
    TableCanvas& canvas() { return *canvas_; }
    TableZoom& zoom() { return *zoom_; }

protected:
    // A window that is shown, uncovered or restored is repainted from the game's state.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Closed while a box of a press is up, the window finishes the press as if the box's default
    // button were pressed, and closes once the press is over: what the person saw is stored.
    void closeEvent(QCloseEvent* event) override;
    // The close button pressed while a press waits in a box: the press finishes, then the window closes.
    void closeAfterThePress();

private:
    void buildSeats();
    QPushButton* buildButton(const char* name, const QString& caption, QRect geometry,
                             const QFont& font, Control control, int key);
    QPushButton* buildHistoryButton(const QFont& font);
    void connectPanel();
    // Advice, Stats and About open their windows with what the table answered.
    void openWindowFor(Control control);
    void showView(const TableView& view);
    // Repaints the table from the game, the playback finished first.
    void repaintTable();
    void highlightSeat(int seat);
    void buildViewButton(const QFont& font);
    QWidget* boxParent() override { return this; }
    // Stores a window preference; a refused write is reported and the choice holds for this
    // session all the same.
    void keepPreference(const std::function<void()>& write);
    // Runs a press of the table, or its start-up; true unless the window was closed meanwhile.
    bool runPress(const std::function<void()>& press);

    TableCanvas* canvas_;
    std::array<QLabel*, kSeatSlots> nameLabels_{};
    std::array<QLabel*, kSeatSlots> cashLabels_{};
    std::array<QLabel*, kSeatSlots> statusLabels_{};
    std::array<QLabel*, kSeatSlots> styleLabels_{};  // the opponents' only
    std::unique_ptr<SeatHud> hud_;
    QLabel* potLabel_;
    QLabel* resultLabel_;
    QPushButton* dealButton_;
    QPushButton* checkOrCallButton_;
    QPushButton* raiseButton_;
    QPushButton* foldButton_;
    OptionsPanel* panel_;
    StatsWindow* statsWindow_;
    OddsWindow* oddsWindow_;
    RulesWindow* rulesWindow_;
    ViewMenu* viewMenu_;
    Playback* playback_;
    std::unique_ptr<BeatMarker> beatMarker_;
    WindowPrefs prefs_;
    OddsMeter* meter_;
    std::unique_ptr<QtHost> host_;
    std::unique_ptr<history::HandHistory> history_;
    std::unique_ptr<HistoryWindow> historyWindow_;  // destroyed before the history it shows
    std::unique_ptr<statsdb::StatisticsStore> statistics_;
    bool statisticsTrouble_ = false;  // the store's trouble was told
    std::unique_ptr<Table> table_;
    std::unique_ptr<TableZoom> zoom_;
    bool pressing_ = false;
    bool closeAfterPress_ = false;
};

}  // namespace trelvist::ui
