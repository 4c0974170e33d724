#pragma once
// The odds meter: the human's chances to win and tie, shown under the human's cash label
// while the human is in a hand. The figures are worked out on a pool thread, so the table
// never waits for them; the last figure stays until the next one arrives, and a figure for a
// table that has moved on is dropped.
#include <QFutureWatcher>
#include <QLabel>
#include <QObject>
#include <QPushButton>
#include <QString>
#include <optional>

#include "game/equity.h"
#include "game/host.h"
#include "game/table.h"
#include "ui/window_prefs.h"

namespace trelvist::ui {

// "Win 34.2 % · Tie 1.1 %".
QString meterText(const Equity& equity);
// How the figure was found: "Exact: 990 deals" or "Monte Carlo: 40,000 deals, ±0.5 %".
QString meterToolTip(const Equity& equity);

class OddsMeter : public QObject {
    Q_OBJECT
public:
    // Puts the meter's label and its check button (also the M key) on `window`, on or off as
    // the preferences say. A refused write of the preference goes to the host's error report.
    OddsMeter(QWidget* window, WindowPrefs& prefs, Host& host);
    ~OddsMeter() override;  // waits for a figure still being worked out

    // The table as it stands now; a new figure is worked out when it asks something new.
    void follow(const TableState& state);

private:
    void toggle();
    void refresh();
    void start(const EquityQuestion& question);
    void finished();

    WindowPrefs& prefs_;
    Host& host_;
    QLabel* label_;
    QPushButton* button_;
    QFutureWatcher<Equity> watcher_;
    bool on_;
    std::optional<EquityQuestion> asked_;    // by the table as it stands; none: nothing to show
    std::optional<EquityQuestion> shown_;    // whose figure the label shows
    std::optional<EquityQuestion> running_;  // whose figure is being worked out
};

}  // namespace trelvist::ui
