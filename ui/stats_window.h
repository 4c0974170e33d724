#pragma once
// The statistics window, in three tabs. Overview: the human's three lifetime counts with a
// Reset button that asks before it acts, as they always were, then your figures for this
// session and the whole history. Seats: every seat's figures in a sortable table. Charts:
// your chips over the hands, your result by position and by starting hand. Modal, shown over
// the table's centre; its size is the player's.
#include <QLabel>
#include <QDialog>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <vector>

#include "stats/statistics_report.h"

namespace trelvist::ui {

class SeatTable;
class ChipsChart;
class PositionChart;
class StartingHandGrid;

class StatsWindow : public QDialog {
    Q_OBJECT
public:
    explicit StatsWindow(QWidget* owner);

    // Shows the window modally, centred on its owner at the owner's zoom, and returns when it
    // is closed.
    void runCentred();

    void showValues(const QString& handsPlayed, const QString& handsWon, const QString& showdowns);
    void showReport(const stats::StatisticsReport& report);

    QTabWidget* tabs() const { return tabs_; }

signals:
    void resetClicked();  // Reset was pressed and the question answered Yes

private:
    QWidget* buildOverview();
    QWidget* buildClassicCounts();
    QWidget* buildCharts();
    // `content`, or in its place a note that there is nothing to show yet.
    QStackedWidget* emptyOr(QWidget* content);
    // The figures' table as tall as its rows, at the font it has now.
    void fitFigures();

    QTabWidget* tabs_;
    QWidget* classic_;
    QLabel* handsPlayed_;
    QLabel* handsWon_;
    QLabel* showdowns_;
    QTableWidget* figures_;
    SeatTable* seatTable_;
    ChipsChart* sessionChips_;
    ChipsChart* lifetimeChips_;
    PositionChart* positions_;
    StartingHandGrid* startingHands_;
    std::vector<QStackedWidget*> emptyHistory_;  // switched to their note while no hand is played
    bool sized_ = false;
};

}  // namespace trelvist::ui
