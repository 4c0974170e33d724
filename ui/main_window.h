#pragma once
// The main window: the table canvas, the seat labels, the buttons and the options panel.
// It holds no game state: every click goes to the table, and after it the window copies the
// table's display onto its widgets.
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "game/table.h"
#include "settings/store.h"
#include "ui/qt_host.h"

namespace trelvist::ui {

class TableCanvas;
class OptionsPanel;
class StatsWindow;
class OddsWindow;
class RulesWindow;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(SettingsStore& settings);
    ~MainWindow() override;

    // Loads the stored game and deals the first hand; the window is shown afterwards.
    void startUp();
    void showCentred();

    // Copies the table's display onto every widget of the main and the modal windows.
    void sync();
    void showModal(ModalWindow window);

    Table& table() { return *table_; }
    QtHost& host() { return *host_; }
    TableCanvas& canvas() { return *canvas_; }

protected:
    // A window that is shown, uncovered or restored is repainted from the game's state.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildSeats();
    QPushButton* buildButton(const char* name, const QString& caption, QRect geometry,
                             const QFont& font, bool (Table::*handler)(), int key);
    void connectPanel();
    void forward(const std::function<void(Table&)>& handler);

    TableCanvas* canvas_;
    std::array<QLabel*, kSeatSlots> cashLabels_{};
    std::array<QLabel*, kSeatSlots> statusLabels_{};
    QLabel* betsize_;
    QLabel* theresult_;
    QPushButton* btnnew_;
    QPushButton* btnstay_;
    QPushButton* btnbet_;
    QPushButton* btnpass_;
    OptionsPanel* panel_;
    StatsWindow* statsWindow_;
    OddsWindow* oddsWindow_;
    RulesWindow* rulesWindow_;
    std::unique_ptr<QtHost> host_;
    std::unique_ptr<Table> table_;
};

}  // namespace trelvist::ui
