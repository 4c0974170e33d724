// The odds meter: toggled by M and its button, remembered in the window's own section of the
// settings file, following the hand, and never changing the game.
#include <QFile>
#include <QMap>

#include "game/human_odds.h"
#include "ui/odds_meter.h"
#include "ui/table_canvas.h"
#include "ui_fixture.h"

using namespace trelvist;
using namespace trelvist::ui;
using namespace trelvist::ui::test;

namespace {

constexpr int kWait = 20000;  // ms; the figures take a few ms, more on a loaded machine

QLabel* meter(TableFixture& f) { return f.control<QLabel>("oddsmeter"); }
QPushButton* meterButton(TableFixture& f) { return f.control<QPushButton>("oddsMeterButton"); }

// The figure the meter should show for the table as it stands, or the empty text.
QString expectedFigure(TableFixture& f) {
    const std::optional<EquityQuestion> question = humanOddsQuestion(f.state());
    return question ? meterText(computeEquity(*question)) : QString();
}

// Waits until the meter shows the figure for the table as it stands, with its tooltip.
void expectCurrentFigure(TableFixture& f) {
    const std::optional<EquityQuestion> question = humanOddsQuestion(f.state());
    QVERIFY(question);
    const Equity equity = computeEquity(*question);
    QTRY_COMPARE_WITH_TIMEOUT(meter(f)->text(), meterText(equity), kWait);
    QVERIFY(meter(f)->isVisible());
    QCOMPARE(meter(f)->toolTip(), meterToolTip(equity));
}

// The settings file without the window's own section.
QString gameSettings(TableFixture& f) {
    QFile file(f.settingsPath());
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList kept;
    bool windowSection = false;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (line.startsWith('[')) windowSection = line.trimmed() == "[Window]";
        if (!windowSection) kept << line;
    }
    return kept.join('\n');
}

// Everything the game holds and shows, but the meter.
struct Game {
    TableState state;
    uint64_t randomState, draws;
    QMap<QString, QString> labels;
    QImage canvas;
    QString settings;
};

Game snapshot(TableFixture& f) {
    Game game{f.state(), f.table().random().state(), f.table().random().draws(), {},
              f.window().canvas().image(), gameSettings(f)};
    for (QLabel* label : f.window().findChildren<QLabel*>())
        if (label != meter(f)) game.labels[label->objectName()] = label->text();
    return game;
}

// Two hands pressed through; where the meter is on, each figure is awaited and checked.
void playScript(bool meterOn, Game& played) {
    TableFixture f(meterOn ? "[Window]\noddsMeter=1\n" : "");
    const char* presses[] = {"btnstay", "btnbet", "btnstay", "btnbet", "btnstay", "btnstay", "btnnew",
                             "btnbet",  "btnstay", "btnpass", "btnnew", "btnstay", "btnstay", "btnstay"};
    int pressed = 0, figures = 0;
    for (const char* button : presses) {
        if (!f.control<QPushButton>(button)->isEnabled()) continue;
        f.click(button);
        ++pressed;
        if (meterOn) {
            QTRY_COMPARE_WITH_TIMEOUT(meter(f)->text(), expectedFigure(f), kWait);
            figures += !meter(f)->text().isEmpty();
        }
        if (meterOn && pressed == 3) {  // off and on again in the middle of a hand
            f.press(Qt::Key_M);
            f.press(Qt::Key_M);
        }
    }
    QVERIFY2(pressed >= 8, "the script ran out of enabled buttons");
    QVERIFY(!meterOn || figures >= 3);
    played = snapshot(f);
}

}  // namespace

class MeterTest : public QObject {
    Q_OBJECT
private slots:
    void figuresWrittenAsShown() {
        QCOMPARE(meterText({34.24, 1.06, EquityMethod::Exact, 990}), QString("Win 34.2 % · Tie 1.1 %"));
        QCOMPARE(meterText({100, 0, EquityMethod::Exact, 990}), QString("Win 100.0 % · Tie 0.0 %"));
        QCOMPARE(meterToolTip({0, 0, EquityMethod::Exact, 1'070'190}), QString("Exact: 1,070,190 deals"));
        QCOMPARE(meterToolTip({0, 0, EquityMethod::Sampled, 40'000}), QString("Monte Carlo: 40,000 deals, ±0.5 %"));
    }

    void toggledByKeyAndButtonAndRemembered() {
        {
            TableFixture f;
            QVERIFY(!meter(f)->isVisible());
            QVERIFY(!meterButton(f)->isChecked());
            QCOMPARE(meterButton(f)->geometry(), QRect(336, 0, 57, 17));
            QCOMPARE(meter(f)->pos(), QPoint(455, 427));

            f.press(Qt::Key_M);
            QVERIFY(meterButton(f)->isChecked());
            QCOMPARE(f.stored("Window", "oddsMeter"), 1);
            expectCurrentFigure(f);

            f.click("btnstay");  // the call closes the pre-flop round: the flop is shown
            QVERIFY(f.state().street >= 2);
            expectCurrentFigure(f);

            f.click("oddsMeterButton");
            QVERIFY(!meterButton(f)->isChecked());
            QVERIFY(!meter(f)->isVisible());
            QCOMPARE(f.stored("Window", "oddsMeter"), 0);
            f.click("oddsMeterButton");
            expectCurrentFigure(f);
            QCOMPARE(f.stored("Window", "oddsMeter"), 1);

            f.click("btnpass");  // out of the hand: nothing to show
            QVERIFY(!meter(f)->isVisible());
            f.click("btnnew");
            if (humanOddsQuestion(f.state()))
                expectCurrentFigure(f);
            else  // every opponent folded to the blinds: the hand is over already
                QVERIFY(!meter(f)->isVisible());
        }
        TableFixture again("[Window]\noddsMeter=1\n");
        QVERIFY(meterButton(again)->isChecked());
        expectCurrentFigure(again);
    }

    // Presses faster than the figures: the figures of tables gone by are dropped, and the
    // meter ends on the table as it stands.
    void quickPressesEndOnTheLatestFigure() {
        TableFixture f("[Window]\noddsMeter=1\n");
        int pressed = 0;
        for (int i = 0; i < 12 && pressed < 6; ++i) {
            for (const char* button : {"btnstay", "btnnew"}) {
                if (!f.control<QPushButton>(button)->isEnabled()) continue;
                f.click(button);
                ++pressed;
                break;
            }
        }
        QVERIFY(pressed >= 6);
        QTRY_COMPARE_WITH_TIMEOUT(meter(f)->text(), expectedFigure(f), kWait);
        if (humanOddsQuestion(f.state())) expectCurrentFigure(f);
    }

    void refusedWriteLeavesTheMeterAsItWas() {
        TableFixture f({}, SettingsFile::Unwritable);
        const size_t boxes = f.boxes.size();
        f.press(Qt::Key_M);
        QCOMPARE(f.boxes.size(), boxes + 1);
        QCOMPARE(f.boxes.back().kind, BoxRequest::Kind::Error);
        QCOMPARE(f.boxes.back().text, "Unable to write to " + f.settingsPath() + "\nNot a regular file");
        QVERIFY(!meterButton(f)->isChecked());
        QVERIFY(!meter(f)->isVisible());
    }

    // The meter only watches: the same presses leave the same game, draws, labels, table
    // picture and settings, with the meter on or off.
    void sameGameWithTheMeterOnAndOff() {
        Game on, off;
        playScript(true, on);
        if (QTest::currentTestFailed()) return;
        playScript(false, off);
        QVERIFY(on.state == off.state);
        QCOMPARE(on.randomState, off.randomState);
        QCOMPARE(on.draws, off.draws);
        QCOMPARE(on.labels, off.labels);
        QCOMPARE(on.canvas, off.canvas);
        QCOMPARE(on.settings, off.settings);
        QVERIFY(!on.settings.isEmpty());
    }
};

QTEST_MAIN(MeterTest)
#include "meter_test.moc"
