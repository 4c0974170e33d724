#include "ui/stats_window.h"

#include <QHeaderView>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include <cmath>

#include "ui/chips_chart.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/message_boxes.h"
#include "ui/position_chart.h"
#include "ui/report_text.h"
#include "ui/seat_table.h"
#include "ui/starting_hand_grid.h"
#include "ui/zoom.h"

namespace trelvist::ui {

namespace {
constexpr QSize kCountsSize{274, 209};  // the three counts' own panel, in table pixels
constexpr QSize kFirstSize{720, 600};   // the window when first opened, in table pixels
constexpr int kFontPixels = 12;
const QString kNoHandsYet = "No hands played yet: the figures and charts fill in as you play.";
}  // namespace

StatsWindow::StatsWindow(QWidget* owner) : QDialog(owner, Qt::Dialog) {
    setObjectName("TStatistics");
    setWindowTitle("Player stats");
    setFont(pixelFont("Verdana", kFontPixels));
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("tabs");
    tabs_->setAccessibleName("Statistics");
    tabs_->addTab(buildOverview(), "Overview");
    seatTable_ = new SeatTable(this);
    tabs_->addTab(emptyOr(seatTable_), "Seats");
    tabs_->addTab(emptyOr(buildCharts()), "Charts");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    showReport({});
}

QWidget* StatsWindow::buildClassicCounts() {
    classic_ = new QWidget(this);
    classic_->setObjectName("counts");
    classic_->setFixedSize(kCountsSize);
    setBackground(classic_, QColor(9, 6, 87));
    const QFont font = pixelFont("Verdana", kFontPixels);
    makeLabel(classic_, "Label1", "Hands played:", {16, 32}, font);
    makeLabel(classic_, "Label2", "Hands won:", {16, 64}, font);
    makeLabel(classic_, "Label3", "Showdowns:", {16, 96}, font);
    handsPlayed_ = makeLabel(classic_, "lblhandsplayed", "", {136, 32}, font);
    handsWon_ = makeLabel(classic_, "lblhandswon", "", {136, 64}, font);
    showdowns_ = makeLabel(classic_, "lblshowdowns", "", {136, 96}, font);
    auto* ok = makeButton(classic_, "dxButton1", "Ok", {96, 160, 81, 25}, font);
    auto* reset = makeButton(classic_, "dxButton2", "Reset", {208, 32, 49, 81}, font);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    // The counts cover every game ever played, so the window asks before they are wiped.
    connect(reset, &QPushButton::clicked, this, [this] {
        if (askYesNoBox(this, "Reset statistics", "Reset all statistics?")) emit resetClicked();
    });
    // The panel keeps its layout in table pixels and follows the table's zoom.
    recordLogicalLayout(classic_);
    return classic_;
}

QWidget* StatsWindow::buildOverview() {
    auto* page = new QWidget(this);
    page->setObjectName("overview");
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(buildClassicCounts(), 0, Qt::AlignHCenter);
    figures_ = new QTableWidget(kFigureFields, 2, page);
    figures_->setObjectName("figures");
    figures_->setAccessibleName("Your figures, this session and the whole history");
    figures_->setHorizontalHeaderLabels({"This session", "Whole history"});
    QStringList names;
    for (const FigureField& field : figureFields()) names << field.name;
    figures_->setVerticalHeaderLabels(names);
    figures_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    figures_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    figures_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    figures_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    layout->addWidget(figures_);
    layout->addStretch();
    return page;
}

QWidget* StatsWindow::buildCharts() {
    auto* charts = new QWidget(this);
    charts->setObjectName("charts");
    auto* layout = new QVBoxLayout(charts);
    sessionChips_ = new ChipsChart(charts, "Your chips this session", "No hands yet this session.");
    lifetimeChips_ = new ChipsChart(charts, "Your chips over the whole history", "No hands yet.");
    positions_ = new PositionChart(charts);
    startingHands_ = new StartingHandGrid(charts);
    auto* legend = new QLabel(
        "Suited hands above the diagonal, pairs on it, offsuit hands below. Green: won, red: lost, "
        "deeper the more; grey: not played yet. Point at a hand for its count.",
        charts);
    legend->setWordWrap(true);
    for (QWidget* chart : {static_cast<QWidget*>(sessionChips_), static_cast<QWidget*>(lifetimeChips_),
                           static_cast<QWidget*>(positions_)})
        layout->addWidget(chart);
    layout->addWidget(startingHands_, 0, Qt::AlignLeft);
    layout->addWidget(legend);
    layout->addStretch();
    auto* scroll = new QScrollArea(this);
    scroll->setAccessibleName("Charts");
    scroll->setWidget(charts);
    scroll->setWidgetResizable(true);
    return scroll;
}

QStackedWidget* StatsWindow::emptyOr(QWidget* content) {
    auto* stack = new QStackedWidget(this);
    auto* note = new QLabel(kNoHandsYet, stack);
    note->setObjectName("noHandsYet");
    note->setAlignment(Qt::AlignCenter);
    note->setWordWrap(true);
    stack->addWidget(note);
    stack->addWidget(content);
    emptyHistory_.push_back(stack);
    return stack;
}

void StatsWindow::runCentred() {
    const QWidget* owner = parentWidget();
    const double zoom = zoomOf(owner);
    classic_->setFixedSize(zoomed(QRect(QPoint(), kCountsSize), zoom).size());
    setFont(pixelFont("Verdana", std::max(1, int(std::lround(kFontPixels * zoom)))));
    fitFigures();
    QSize size = this->size();
    if (!sized_) {
        size = zoomed(QRect(QPoint(), kFirstSize), zoom).size().boundedTo(owner->screen()->availableGeometry().size());
        sized_ = true;
    }
    const QPoint centre = owner->mapToGlobal(owner->rect().center());
    setGeometry(QRect(centre - QRect(QPoint(), size).center(), size));  // the client area, not the frame
    exec();
}

void StatsWindow::showValues(const QString& handsPlayed, const QString& handsWon, const QString& showdowns) {
    setCaption(handsPlayed_, handsPlayed);
    setCaption(handsWon_, handsWon);
    setCaption(showdowns_, showdowns);
}

void StatsWindow::showReport(const stats::StatisticsReport& report) {
    const stats::SeatFigures& session = report.session[You];
    const stats::SeatFigures& lifetime = report.lifetime[You];
    for (int row = 0; row < kFigureFields; ++row) {
        const FigureField& field = figureFields()[row];
        int column = 0;
        for (const stats::SeatFigures* figures : {&session, &lifetime}) {
            auto* item = new QTableWidgetItem(field.text(*figures));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            figures_->setItem(row, column++, item);
        }
    }
    seatTable_->showReport(report);
    sessionChips_->setPoints(report.sessionChips);
    lifetimeChips_->setPoints(report.lifetimeChips);
    positions_->setResults(report.byPosition);
    startingHands_->setResults(report.startingHands);
    for (QStackedWidget* stack : emptyHistory_) stack->setCurrentIndex(report.hands > 0 ? 1 : 0);
    fitFigures();
}

void StatsWindow::fitFigures() {
    figures_->resizeRowsToContents();
    figures_->setFixedHeight(figures_->horizontalHeader()->sizeHint().height() + figures_->verticalHeader()->length() +
                             2 * figures_->frameWidth());
}

}  // namespace trelvist::ui
