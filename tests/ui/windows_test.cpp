// The statistics, odds and rules windows open modally over the table's centre and close with Ok;
// the questions before wiping anything default to No.
#include <QDialog>
#include <QMessageBox>

#include "ui/rules_window.h"
#include "ui_fixture.h"

using namespace trelvist;
using namespace trelvist::ui;
using namespace trelvist::ui::test;

namespace {

const QString kStats = "[Stats]\nhandsplayed=12\nhandswon=5\nshowdowns=3\n";

void expectCentredOnTable(TableFixture& f, QWidget* window) {
    const QPoint table = f.window().mapToGlobal(f.window().rect().center());
    const QPoint centre = window->mapToGlobal(window->rect().center());
    QVERIFY2((table - centre).manhattanLength() <= 2, qPrintable(window->objectName()));
}

QString labelText(QWidget* window, const char* name) { return window->findChild<QLabel*>(name)->text(); }

QStringList counts(QWidget* stats) {
    return {labelText(stats, "lblhandsplayed"), labelText(stats, "lblhandswon"), labelText(stats, "lblshowdowns")};
}

// "caption: text (default button)" of a message box.
QString describeQuestion(QWidget* window) {
    auto* box = qobject_cast<QMessageBox*>(window);
    if (!box) return "not a message box: " + window->objectName();
    const QString defaultButton = box->defaultButton() ? box->defaultButton()->text().remove('&') : "none";
    return box->windowTitle() + ": " + box->text() + " (default " + defaultButton + ")";
}

void clickOk(QWidget* window) {
    QTest::mouseClick(window->findChild<QPushButton*>("dxButton1"), Qt::LeftButton);
}

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT
private slots:
    void statisticsShowAndResetAfterAsking() {
        TableFixture f(kStats);
        QString opened;
        QStringList before, afterEnter, afterYes, questions;
        int storedAfterEnter = -1;
        ModalWatch watch1([&](QWidget* w) {
            opened = w->objectName();
            expectCentredOnTable(f, w);
            before = counts(w);
            // Enter takes the question's default answer, No: nothing is wiped.
            ModalWatch enter([&](QWidget* box) {
                questions << describeQuestion(box);
                QTest::keyClick(box, Qt::Key_Return);
            });
            QTest::mouseClick(w->findChild<QPushButton*>("dxButton2"), Qt::LeftButton);
            afterEnter = counts(w);
            storedAfterEnter = f.stored("Stats", "handsplayed");
            ModalWatch yes([&](QWidget* box) {
                questions << describeQuestion(box);
                QTest::mouseClick(qobject_cast<QMessageBox*>(box)->button(QMessageBox::Yes), Qt::LeftButton);
            });
            QTest::mouseClick(w->findChild<QPushButton*>("dxButton2"), Qt::LeftButton);
            afterYes = counts(w);
            clickOk(w);
        });
        f.click("btnstats");
        QVERIFY(watch1.ran());
        QCOMPARE(opened, QString("TStatistics"));
        const QString question = "Reset statistics: Reset all statistics? (default No)";
        QCOMPARE(questions, QStringList({question, question}));
        QCOMPARE(before, QStringList({"12", "5", "3"}));
        QCOMPARE(afterEnter, before);
        QCOMPARE(storedAfterEnter, 12);
        QCOMPARE(afterYes, QStringList({"0", "0", "0"}));
        QCOMPARE(f.stored("Stats", "handsplayed"), 0);
        QCOMPARE(f.stored("Stats", "handswon"), 0);
        QCOMPARE(f.stored("Stats", "showdowns"), 0);
        QVERIFY(!QApplication::activeModalWidget());

        // The S key opens it too, and it shows the counts as they are now.
        ModalWatch watch2([&](QWidget* w) {
            before = counts(w);
            clickOk(w);
        });
        f.press(Qt::Key_S);
        QVERIFY(watch2.ran());
        QCOMPARE(before, QStringList({"0", "0", "0"}));
    }

    void oddsRateTheHand() {
        TableFixture f;
        QString opened, odds;
        int left = -1;
        ModalWatch watch3([&](QWidget* w) {
            opened = w->objectName();
            expectCentredOnTable(f, w);
            odds = labelText(w, "prob");
            left = w->findChild<QLabel*>("prob")->x();
            clickOk(w);
        });
        f.click("dxButton7");
        QVERIFY(watch3.ran());
        QCOMPARE(opened, QString("TStats"));
        QVERIFY(!odds.isEmpty());
        QCOMPARE(odds, QString::fromStdString(f.view().oddsRating.text));
        QCOMPARE(left, f.view().oddsRating.left);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void rulesAndTheContactAddress() {
        TableFixture f;
        auto* rules = f.inside<RulesWindow>(&f.window(), "TAboutBox");
        QList<QUrl> opened;
        rules->setUrlOpener([&](const QUrl& url) { opened << url; });
        QString title;
        ModalWatch watch4([&](QWidget* w) {
            title = w->windowTitle();
            expectCentredOnTable(f, w);
            QTest::mouseClick(w->findChild<QLabel*>("Label1"), Qt::LeftButton);
            clickOk(w);
        });
        f.press(Qt::Key_F1);
        QVERIFY(watch4.ran());
        QCOMPARE(title, QString("Texas hold'em rules"));
        QCOMPARE(opened, QList<QUrl>({QUrl("mailto:" + RulesWindow::kContact)}));
        QVERIFY(rules->isHidden());
    }

    void realBoxesCarryTheirCaptions() {
        TableFixture f({}, SettingsFile::Writable, 1, Boxes::Real);
        QString question;
        QStringList buttons;
        ModalWatch watch5([&](QWidget* w) {
            question = describeQuestion(w);
            for (auto* b : w->findChildren<QPushButton*>()) buttons << b->text().remove('&');
            QTest::keyClick(w, Qt::Key_Return);
        });
        f.click("dxButton5");
        QVERIFY(watch5.ran());
        QCOMPARE(question, QString("New game: Are you sure? (default No)"));
        buttons.sort();
        QCOMPARE(buttons, QStringList({"No", "Yes"}));
        QCOMPARE(f.caption("cash"), QString("1200"));  // Enter answers No: the table stays as it was
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
