// The History window follows the hand as it is played, and the history files it lists.
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>

#include "history/hand_text.h"
#include "history/wall_time.h"
#include "ui_fixture.h"

using namespace trelvist;
using namespace trelvist::ui::test;

namespace {

QWidget* historyWindow(TableFixture& f) { return f.window().findChild<QWidget*>("THistory"); }
QListWidget* hands(TableFixture& f) { return historyWindow(f)->findChild<QListWidget*>("hands"); }
QString shownHand(TableFixture& f) { return historyWindow(f)->findChild<QPlainTextEdit*>("hand")->toPlainText(); }

QString cards(std::span<const Card> cs) {
    QStringList names;
    for (const Card& c : cs) names << QString::fromStdString(history::cardText(c));
    return "[" + names.join(' ') + "]";
}

// The line that turns up the table's newest street, as the hand log writes it.
QString streetLine(TableFixture& f) {
    const int street = f.state().street;
    const std::span<const Card> board = f.state().board();
    if (street == 2) return "*** FLOP *** " + cards(board.first(3));
    return (street == 3 ? "*** TURN *** " : "*** RIVER *** ") + cards(board.first(street)) + " " +
           cards(board.subspan(street, 1));
}

// The human folds the hand in play and deals the next; the hand after `hands` is left in play.
void foldHands(TableFixture& f, int hands) {
    for (int i = 0; i < hands; ++i) {
        f.click("btnpass");
        f.click("btnnew");
    }
}

}  // namespace

class HistoryWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheHandAsItIsPlayed() {
        TableFixture f;
        f.press(Qt::Key_H);
        QWidget* window = historyWindow(f);
        QTRY_VERIFY(window->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(hands(f)->count(), 1);
        QVERIFY2(hands(f)->item(0)->text().startsWith("#1000000000000001 "), qPrintable(hands(f)->item(0)->text()));
        QVERIFY(hands(f)->item(0)->text().endsWith("in progress"));
        // Your cards from the start; the opponents' only once a showdown shows them.
        const QString dealt = "Dealt to You " + cards(f.state().hole(You));
        QVERIFY2(shownHand(f).contains(dealt), qPrintable(shownHand(f)));
        QVERIFY(!shownHand(f).contains("shows"));

        // The window is not modal: the table's buttons still play, and it follows each street.
        while (f.state().street < 5 && f.control<QPushButton>("btnstay")->isEnabled()) {
            f.click("btnstay");
            if (f.state().street >= 2 && f.state().street <= 4)
                QVERIFY2(shownHand(f).contains(streetLine(f)), qPrintable(shownHand(f)));
        }
        QVERIFY2(shownHand(f).contains("You: checks") || shownHand(f).contains("You: calls"), qPrintable(shownHand(f)));
        QVERIFY(shownHand(f).contains("*** SUMMARY ***"));
        QVERIFY(shownHand(f).contains("collected"));
        QVERIFY2(hands(f)->item(0)->text().contains(QString::fromStdString(f.view().result.text)),
                 qPrintable(hands(f)->item(0)->text()));

        // The next hand comes in at the top and is shown; an older hand chosen stays chosen.
        f.click("btnnew");
        QCOMPARE(hands(f)->count(), 2);
        QVERIFY(hands(f)->item(0)->text().startsWith("#1000000000000002 "));
        QCOMPARE(hands(f)->currentRow(), 0);
        hands(f)->setCurrentRow(1);
        QVERIFY(shownHand(f).startsWith("PokerStars Hand #1000000000000001:"));
        f.click("btnpass");
        f.click("btnnew");
        QCOMPARE(hands(f)->count(), 3);
        QVERIFY(shownHand(f).startsWith("PokerStars Hand #1000000000000001:"));
        QCOMPARE(hands(f)->currentItem()->text(), hands(f)->item(2)->text());

        // The finished hands are in the day's file, the hand in play not yet.
        const QString day = QString::fromStdString(history::isoDate(history::wallTime(1)));
        QFile file(f.dataHome() + "/trelvist/history/trelvist-" + day + ".txt");
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QString written = QString::fromUtf8(file.readAll());
        QCOMPARE(written.count("PokerStars Hand #"), 2);
        QVERIFY(written.startsWith("PokerStars Hand #1000000000000001:  Hold'em Limit (4/8) - "));
        QVERIFY(f.boxes.empty());
    }

    void aFolderThatCannotBeWrittenIsReportedOnceAndPlayGoesOn() {
        TableFixture f;
        // A file where the history folder's parent should be: nothing can be created under it.
        QDir().mkpath(f.dataHome());
        // The statistics store made the folder at start; a file takes its place.
        QDir(f.dataHome() + "/trelvist").removeRecursively();
        QFile blocker(f.dataHome() + "/trelvist");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.write("in the way");
        blocker.close();

        foldHands(f, 3);
        QCOMPARE(f.state().handsPlayed, 3);
        QCOMPARE(f.state().street, 1);  // the fourth hand is in play
        QCOMPARE(f.boxes.size(), size_t(1));
        QCOMPARE(f.boxes[0].caption, QString("History"));
        QVERIFY2(f.boxes[0].text.contains(f.dataHome() + "/trelvist/history"), qPrintable(f.boxes[0].text));
        QVERIFY(blocker.exists() && QFileInfo(blocker).isFile());

        // The window says so too, and still lists every hand.
        f.click("btnhistory");
        QTRY_VERIFY(historyWindow(f)->isVisible());
        QCOMPARE(historyWindow(f)->findChild<QLabel*>("status")->text(), f.boxes[0].text);
        QCOMPARE(hands(f)->count(), 4);
    }
};

QTEST_MAIN(HistoryWindowTest)
#include "history_window_test.moc"
