#include "ui/seat_table.h"

#include <QHeaderView>

#include "ui/report_text.h"

namespace trelvist::ui {

namespace {
constexpr int kSortRole = Qt::UserRole;
const QStringList kLeadingHeadings{"Seat", "Hands of", "Style"};

QStandardItem* cell(const QString& text, const QVariant& sortValue) {
    auto* item = new QStandardItem(text);
    item->setEditable(false);
    item->setData(sortValue, kSortRole);
    if (text.isEmpty()) item->setData("none", Qt::AccessibleTextRole);  // read out, not skipped
    return item;
}
}  // namespace

SeatTable::SeatTable(QWidget* parent)
    : QTableView(parent), model_(new QStandardItemModel(this)), sorted_(new QSortFilterProxyModel(this)) {
    setObjectName("seatTable");
    setAccessibleName("Every seat's statistics");
    QStringList headings = kLeadingHeadings;
    for (const FigureField& field : figureFields()) headings << field.heading;
    model_->setHorizontalHeaderLabels(headings);
    for (int i = 0; i < kFigureFields; ++i)
        model_->horizontalHeaderItem(kLeadingHeadings.size() + i)->setToolTip(figureFields()[i].name);
    sorted_->setSourceModel(model_);
    sorted_->setSortRole(kSortRole);
    sorted_->setSortCaseSensitivity(Qt::CaseInsensitive);
    setModel(sorted_);
    setSortingEnabled(true);
    sortByColumn(-1, Qt::AscendingOrder);  // in the order of the report until a heading is clicked
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAlternatingRowColors(true);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void SeatTable::addRow(const stats::SeatFigures& seat, const QString& stretch) {
    const QString name = QString::fromStdString(seat.name), style = QString::fromStdString(seat.style);
    QList<QStandardItem*> row{cell(name, name), cell(stretch, stretch), cell(style, style)};
    for (const FigureField& field : figureFields()) {
        QStandardItem* item = cell(field.text(seat), field.sortValue(seat));
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row << item;
    }
    model_->appendRow(row);
}

void SeatTable::showReport(const stats::StatisticsReport& report) {
    model_->removeRows(0, model_->rowCount());
    for (int seat : kSeatOrder) addRow(report.session[seat], "This session");
    for (int seat : kSeatOrder) addRow(report.lifetime[seat], "Whole history");
    for (const stats::SeatFigures& style : report.lifetimeByStyle) addRow(style, "Whole history, by style");
}

}  // namespace trelvist::ui
