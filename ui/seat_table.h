#pragma once
// Every seat's figures in one sortable table: this session's, the whole history's, and the
// whole history's by style where styles exist. A click on a heading sorts by it, numbers as
// numbers, empty figures last when descending.
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>

#include "stats/statistics_report.h"

namespace trelvist::ui {

class SeatTable : public QTableView {
    Q_OBJECT
public:
    explicit SeatTable(QWidget* parent);

    void showReport(const stats::StatisticsReport& report);

private:
    void addRow(const stats::SeatFigures& seat, const QString& stretch);

    QStandardItemModel* model_;
    QSortFilterProxyModel* sorted_;
};

}  // namespace trelvist::ui
