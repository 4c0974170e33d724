// The options panel's controls reach their handlers, and what they change shows at once.
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

#include "ui/table_canvas.h"
#include "ui_fixture.h"

using namespace trelvist;
using namespace trelvist::ui;
using namespace trelvist::ui::test;

namespace {

QWidget* openPanel(TableFixture& f) {
    f.click("dxButton6");
    auto* panel = f.control<QWidget>("Panel1");
    if (!panel->isVisible()) qFatal("the panel did not open");
    return panel;
}

void retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void clickIn(TableFixture& f, QWidget* panel, const char* button) {
    QTest::mouseClick(f.inside<QAbstractButton>(panel, button), Qt::LeftButton);
}

}  // namespace

class PanelTest : public QObject {
    Q_OBJECT
private slots:
    void showsAndHides() {
        TableFixture f;
        QWidget* panel = openPanel(f);
        // The table stays usable under the open panel.
        QVERIFY(f.control<QPushButton>("btnstay")->isEnabled());
        clickIn(f, panel, "dxButton1");
        QVERIFY(panel->isHidden());
    }

    void initialCash() {
        TableFixture f;
        QWidget* panel = openPanel(f);
        auto* money = f.inside<QLineEdit>(panel, "money");
        retype(money, "1234567");
        QCOMPARE(money->text(), QString("123456"));  // six characters at most
        QCOMPARE(f.view().panel.initialCashText, std::string("123456"));

        retype(money, "99");
        clickIn(f, panel, "dxButton2");
        retype(money, "12a");
        clickIn(f, panel, "dxButton2");
        QCOMPARE(f.boxes.size(), size_t(2));
        QCOMPARE(f.boxes[0].text, QString("the value is off limits"));
        QCOMPARE(f.boxes[1].text, QString("Invalid value"));
        QCOMPARE(f.stored("Cash", "initial"), -1);
        QCOMPARE(f.caption("cash"), QString("1200"));

        retype(money, "2500");
        clickIn(f, panel, "dxButton2");
        QCOMPARE(f.boxes.back().text, QString("New initial cash value confirmation"));
        QCOMPARE(f.stored("Cash", "initial"), 2500);
        for (const char* name : {"cash", "lblfcash", "lblgcash", "lblmcash", "lblccash",
                                 "lblpinhcash", "lblecash", "lblrcash"})
            QCOMPARE(f.caption(name), QString("2500"));
    }

    void winningsTarget() {
        TableFixture f;
        QWidget* panel = openPanel(f);
        auto* until = f.inside<QLineEdit>(panel, "until");
        retype(until, "100");
        clickIn(f, panel, "dxButton3");
        QCOMPARE(f.boxes.back().text, QString("New until value confirmation"));
        QCOMPARE(f.stored("Cash", "until"), 100);
        QCOMPARE(f.state().playUntil, 100);
        retype(until, "");
        clickIn(f, panel, "dxButton3");
        QCOMPARE(f.boxes.back().text, QString("Invalid value"));
        QCOMPARE(f.state().playUntil, 100);
    }

    void bettingLimits() {
        TableFixture f;
        QWidget* panel = openPanel(f);
        const auto press = [&](const char* arrow, const char* small, const char* big) {
            clickIn(f, panel, arrow);
            QCOMPARE(f.inside<QLabel>(panel, "Label3")->text(), QString(small));
            QCOMPARE(f.inside<QLabel>(panel, "Label4")->text(), QString(big));
            QCOMPARE(f.stored("Bet", "Small"), QString(small).toInt());
            QCOMPARE(f.stored("Bet", "Big"), QString(big).toInt());
        };
        press("UpDown1Left", "2", "4");  // already at the first position: it stays there
        press("UpDown1Right", "4", "8");
        press("UpDown1Right", "6", "12");
        for (int i = 0; i < 4; ++i) clickIn(f, panel, "UpDown1Right");
        QCOMPARE(f.inside<QLabel>(panel, "Label3")->text(), QString("10"));  // no wrap
        QCOMPARE(f.inside<QLabel>(panel, "Label4")->text(), QString("20"));

        QWidget* upDown = f.inside<QWidget>(panel, "UpDown1");
        upDown->setFocus();
        QTest::keyClick(upDown, Qt::Key_Left);
        QCOMPARE(f.inside<QLabel>(panel, "Label3")->text(), QString("8"));
    }

    void cardBackRedrawsAtOnce() {
        TableFixture f;
        QWidget* panel = openPanel(f);
        clickIn(f, panel, "cardbacksItem7");
        QCOMPARE(f.state().cardBack, 59);
        QCOMPARE(f.stored("Card", "back"), 59);
        QVERIFY(f.inside<QRadioButton>(panel, "cardbacksItem7")->isChecked());
        const QImage canvas = f.window().canvas().image();
        int backs = 0;
        for (const QPoint second : {QPoint(147, 348), QPoint(147, 113), QPoint(317, 113), QPoint(487, 113),
                                    QPoint(657, 113), QPoint(827, 113), QPoint(827, 348)})
            backs += showsPicture(canvas, 59, second);
        QCOMPARE(backs, int(std::count_if(kOpponents.begin(), kOpponents.end(),
                                          [&](int seat) { return f.state().live(seat); })));
    }

    void levelAndSound() {
        TableFixture f("[Levels]\ncomp=700\n");
        QWidget* panel = openPanel(f);
        for (int i = 0; i < 4; ++i)  // a level of its own selects no item
            QVERIFY(!f.inside<QRadioButton>(panel, qPrintable(QString("LevelsItem%1").arg(i)))->isChecked());
        clickIn(f, panel, "LevelsItem3");
        QCOMPARE(f.state().aiLevel, 900);
        QCOMPARE(f.stored("Levels", "comp"), 900);

        clickIn(f, panel, "SoundOff1");
        QCOMPARE(f.inside<QPushButton>(panel, "SoundOff1")->text(), QString("Off"));
        QCOMPARE(f.stored("Settings", "Sound"), 0);
        clickIn(f, panel, "SoundOff1");
        QCOMPARE(f.inside<QPushButton>(panel, "SoundOff1")->text(), QString("On"));
        QCOMPARE(f.stored("Settings", "Sound"), 1);
    }
};

QTEST_MAIN(PanelTest)
#include "panel_test.moc"
