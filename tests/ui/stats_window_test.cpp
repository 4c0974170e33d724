// The statistics window's tabs and the seats' statistics on the table, fed with a report made
// by hand.
#include <QAction>
#include <QDialog>
#include <QHeaderView>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>

#include "sample_report.h"
#include "ui/chips_chart.h"
#include "ui/position_chart.h"
#include "ui/report_text.h"
#include "ui/starting_hand_grid.h"
#include "ui/stats_window.h"
#include "ui/window_prefs.h"
#include "ui_fixture.h"

using namespace trelvist;
using namespace trelvist::ui;
using namespace trelvist::ui::test;

namespace {

StatsWindow* statsWindow(TableFixture& f) { return f.inside<StatsWindow>(&f.window(), "TStatistics"); }

// The column of the Seats table whose heading is `heading`.
int columnOf(const QAbstractItemModel* model, const QString& heading) {
    for (int c = 0; c < model->columnCount(); ++c)
        if (model->headerData(c, Qt::Horizontal).toString() == heading) return c;
    qFatal("no column %s", qPrintable(heading));
}

QStringList column(const QAbstractItemModel* model, int c) {
    QStringList texts;
    for (int r = 0; r < model->rowCount(); ++r) texts << model->index(r, c).data().toString();
    return texts;
}

QLabel* hudOf(TableFixture& f, int seat) { return f.control<QLabel>(qPrintable(QString("hud%1").arg(seat))); }

QAction* hudItem(TableFixture& f) { return f.inside<QAction>(&f.window(), "seatStatistics"); }

}  // namespace

class StatsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void overviewKeepsTheCountsAndReset() {
        TableFixture f;
        StatsWindow* w = statsWindow(f);
        QCOMPARE(w->tabs()->count(), 3);
        QCOMPARE(w->tabs()->tabText(0), QString("Overview"));
        QWidget* overview = w->tabs()->widget(0);
        for (const char* name : {"lblhandsplayed", "lblhandswon", "lblshowdowns", "dxButton1", "dxButton2"})
            QVERIFY2(overview->findChild<QWidget*>(name), name);
        QCOMPARE(f.inside<QLabel>(overview, "Label2")->text(), QString("Hands won:"));
        QCOMPARE(f.inside<QPushButton>(overview, "dxButton2")->text(), QString("Reset"));

        // Your figures follow, this session beside the whole history.
        auto* figures = f.inside<QTableWidget>(overview, "figures");
        QCOMPARE(figures->item(0, 0)->text(), QString("0"));
        QCOMPARE(figures->item(1, 0)->text(), QString("–"));
        f.window().showReport(sampleReport());
        QCOMPARE(figures->verticalHeaderItem(1)->text(), QString("Voluntarily put money in the pot (VPIP)"));
        QCOMPARE(figures->item(0, 0)->text(), QString("120"));
        QCOMPARE(figures->item(0, 1)->text(), QString("420"));
        QCOMPARE(figures->item(1, 0)->text(), QString("31 %"));
        QCOMPARE(figures->item(4, 0)->text(), QString("1.8"));
        QCOMPARE(figures->item(8, 0)->text(), QString("–"));  // no c-bet counted this session
        QCOMPARE(figures->item(8, 1)->text(), QString("62 %"));
        QCOMPARE(figures->item(9, 1)->text(), QString("+450"));
    }

    void anEmptyHistorySaysSo() {
        TableFixture f;
        StatsWindow* w = statsWindow(f);
        for (int tab : {1, 2}) {
            auto* stack = qobject_cast<QStackedWidget*>(w->tabs()->widget(tab));
            QVERIFY(stack);
            QCOMPARE(stack->currentWidget()->objectName(), QString("noHandsYet"));
        }
        f.window().showReport(sampleReport());
        for (int tab : {1, 2})
            QVERIFY(qobject_cast<QStackedWidget*>(w->tabs()->widget(tab))->currentWidget()->objectName() != "noHandsYet");
    }

    void chartsInWords() {
        TableFixture f;
        f.window().showReport(sampleReport());
        const QList<ChipsChart*> chips = statsWindow(f)->findChildren<ChipsChart*>();
        QCOMPARE(chips.size(), 2);
        const QString session = chips[0]->accessibleDescription(), lifetime = chips[1]->accessibleDescription();
        QVERIFY2(session.startsWith("120 hands, from hand 301 to hand 420."), qPrintable(session));
        QVERIFY2(!session.contains("new game", Qt::CaseInsensitive), qPrintable(session));
        QVERIFY2(lifetime.contains("New games began at hand 1, 300."), qPrintable(lifetime));
        const QString positions = statsWindow(f)->findChild<PositionChart*>()->accessibleDescription();
        QVERIFY2(positions.startsWith("Small blind: 52 hands, lost 140 chips; Big blind"), qPrintable(positions));
        QVERIFY2(positions.endsWith("Button: 53 hands, won 240 chips."), qPrintable(positions));
        const QString hands = statsWindow(f)->findChild<StartingHandGrid*>()->accessibleDescription();
        QVERIFY2(hands.startsWith("6 of the 169 starting hands played. AA: 6 hands, won 310 chips; AKs"), qPrintable(hands));

        // A long history with a new game every ten hands: the count, not every hand's number.
        std::vector<stats::ChipPoint> games;
        for (int64_t hand = 1; hand <= 120; ++hand) games.push_back({hand, 1200 + hand, hand % 10 == 1});
        chips[1]->setPoints(games);
        QVERIFY2(chips[1]->accessibleDescription().endsWith(
                     "12 new games began, the first at hand 1 and the last at hand 111."),
                 qPrintable(chips[1]->accessibleDescription()));

        f.window().showReport({});
        QCOMPARE(chips[1]->accessibleDescription(), QString("No hands yet."));
    }

    void seatsSortByTheirFigures() {
        TableFixture f;
        f.window().showReport(sampleReport());
        auto* table = f.inside<QTableView>(statsWindow(f), "seatTable");
        const QAbstractItemModel* rows = table->model();
        QCOMPARE(rows->rowCount(), 8 + 8 + 2);
        QCOMPARE(column(rows, 0).first(), QString("You"));  // in the report's order until sorted

        const int net = columnOf(rows, "Net");
        table->sortByColumn(net, Qt::AscendingOrder);
        // As numbers: -1230 before -690 before -12 ... +100 after +96.
        QStringList session;
        for (const QString& text : column(rows, net)) session << text;
        QCOMPARE(session.first(), QString("-1230"));
        QCOMPARE(session.last(), QString("+1146"));
        QVERIFY(session.indexOf("+96") < session.indexOf("+150"));
        QVERIFY(session.indexOf("-410") < session.indexOf("-120"));

        const int vpip = columnOf(rows, "VPIP");
        table->sortByColumn(vpip, Qt::DescendingOrder);
        const QStringList vpips = column(rows, vpip);
        QCOMPARE(vpips.first(), QString("64 %"));
        QCOMPARE(vpips.last(), QString("–"));  // Geek played no hand
        QCOMPARE(vpips.count("–"), 2);
        QCOMPARE(vpips[vpips.size() - 3], QString("16 %"));

        table->sortByColumn(0, Qt::AscendingOrder);
        const QStringList names = column(rows, 0);
        QCOMPARE(names.mid(0, 3), QStringList({"Champ", "Champ", "Classic"}));
        QCOMPARE(names.last(), QString("You"));
        QCOMPARE(column(rows, columnOf(rows, "Style")).count("Tight"), 1);
    }

    void theGridPlacesEachStartingHand() {
        QCOMPARE(StartingHandGrid::handName(0, 0), QString("AA"));
        QCOMPARE(StartingHandGrid::handName(0, 1), QString("AKs"));
        QCOMPARE(StartingHandGrid::handName(1, 0), QString("AKo"));
        QCOMPARE(StartingHandGrid::handName(3, 8), QString("J6s"));
        QCOMPARE(StartingHandGrid::handName(8, 3), QString("J6o"));
        QCOMPARE(StartingHandGrid::handName(12, 12), QString("22"));
        QCOMPARE(StartingHandGrid::handName(11, 12), QString("32s"));

        StartingHandGrid grid(nullptr);
        grid.setResults(sampleReport().startingHands);
        const auto tip = [&](int row, int column) { return grid.toolTipAt(grid.cellRect(row, column).center()); };
        QCOMPARE(tip(0, 1), QString("AKs: 5 hands, won 40 chips"));
        QCOMPARE(tip(1, 0), QString("AKo: 9 hands, lost 12 chips"));
        QCOMPARE(tip(3, 8), QString("J6s: 2 hands, broke even"));
        QCOMPARE(tip(12, 12), QString("22: 4 hands, lost 30 chips"));
        QCOMPARE(tip(12, 11), QString("32o: not played yet"));
        // The corners of a cell belong to it, and nothing lies outside the grid.
        QCOMPARE(grid.toolTipAt(grid.cellRect(0, 1).topLeft()), tip(0, 1));
        QCOMPARE(grid.toolTipAt(grid.cellRect(0, 1).bottomRight()), tip(0, 1));
        QCOMPARE(grid.toolTipAt(grid.cellRect(12, 12).bottomRight() + QPoint(1, 1)), QString());

        // Won green, lost red, the largest result deepest; unplayed apart from both.
        const QColor aces = grid.cellColour(0, 0), suited = grid.cellColour(0, 1), offsuit = grid.cellColour(8, 3);
        QVERIFY(aces.green() > aces.red() && suited.green() > suited.red());
        QVERIFY(offsuit.red() > offsuit.green());
        QVERIFY(aces.lightness() < suited.lightness());
        QVERIFY(grid.cellColour(5, 5) != grid.cellColour(3, 8));
    }

    void seatStatisticsOffUntilTurnedOnAndKept() {
        {
            TableFixture f;
            for (int seat : kSeatOrder) QVERIFY(hudOf(f, seat)->isHidden());
            QVERIFY(!hudItem(f)->isChecked());
            QCOMPARE(f.stored(kWindowSection, "hud"), -1);
            f.window().showReport(sampleReport());
            hudItem(f)->trigger();
            for (int seat : kSeatOrder) QVERIFY(hudOf(f, seat)->isVisible());
            QCOMPARE(f.stored(kWindowSection, "hud"), 1);
            // Each seat's figures over its whole history, under its status.
            QCOMPARE(hudOf(f, Freak)->text(), QString("23/12/1.5 · 420"));
            QCOMPARE(hudOf(f, Champ)->text(), QString("23/18/2.5 · 420"));
            QCOMPARE(hudOf(f, Geek)->text(), QString("–/–/– · 300"));
            QCOMPARE(hudOf(f, Freak)->pos(), f.control<QLabel>("freakstatus")->pos() + QPoint(0, 16));
            QCOMPARE(hudOf(f, Freak)->toolTip(),
                     QString("Freak, 420 hands in all: VPIP 23 %, PFR 12 %, aggression factor 1.5"));
            hudItem(f)->trigger();
            QVERIFY(hudOf(f, You)->isHidden());
            QCOMPARE(f.stored(kWindowSection, "hud"), 0);
        }
        TableFixture f("[Window]\nhud=1\n");
        QVERIFY(hudOf(f, You)->isVisible());
        QVERIFY(hudItem(f)->isChecked());
    }
};

QTEST_MAIN(StatsWindowTest)
#include "stats_window_test.moc"
