// Picking each opponent's style in its dialog, and showing the styles on the table.
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "ui/window_prefs.h"
#include "ui_fixture.h"

using namespace trelvist;
using namespace trelvist::ui;
using namespace trelvist::ui::test;

class StylesTest : public QObject {
    Q_OBJECT
private slots:
    void aStylePickedPerSeatIsPlayedAndKept() {
        {
            TableFixture f;
            f.click("dxButton6");
            auto* lineup = f.inside<QComboBox>(&f.window(), "Opponents");
            QCOMPARE(lineup->count(), 4);
            // Cancelling leaves the line-up as it was, the list included.
            ModalWatch cancel([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
            lineup->setCurrentIndex(3);
            emit lineup->activated(3);
            QVERIFY(cancel.ran());
            QCOMPARE(lineup->currentIndex(), 0);
            QCOMPARE(f.stored("Opponents", "lineup"), -1);

            ModalWatch pick([](QWidget* dialog) {
                QCOMPARE(dialog->objectName(), QString("StylesDialog"));
                auto* geek = dialog->findChild<QComboBox*>("GeekStyle");
                QCOMPARE(geek->currentText(), QString("Classic"));
                QCOMPARE(geek->accessibleName(), QString("Geek's style"));
                geek->setCurrentIndex(6);
                dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            });
            lineup->setCurrentIndex(3);
            emit lineup->activated(3);
            QVERIFY(pick.ran());
            QCOMPARE(f.view().seats[Geek].style, std::string("Shark"));
            QCOMPARE(f.stored("Opponents", "lineup"), 3);
            QCOMPARE(f.stored("Opponents", "geek"), 6);
            QCOMPARE(f.stored("Opponents", "freak"), 0);
        }
        TableFixture f("[Opponents]\nlineup=3\ngeek=6\n");
        QCOMPARE(f.view().seats[Geek].style, std::string("Shark"));
    }

    void theDialogOpensOnTheLineupInPlay() {
        TableFixture f("[Opponents]\nlineup=1\n");
        f.click("dxButton6");
        QStringList shown;
        ModalWatch look([&](QWidget* dialog) {
            for (const char* seat : {"Freak", "Geek", "Master", "Champ", "Pinhead", "Expert", "Robot"})
                shown << dialog->findChild<QComboBox*>(QString(seat) + "Style")->currentText();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        emit f.inside<QComboBox>(&f.window(), "Opponents")->activated(3);
        QVERIFY(look.ran());
        QCOMPARE(shown, QStringList({"Shark", "Maniac", "Rock", "Calling station", "Tight-aggressive",
                                     "Loose-aggressive", "Classic"}));
        QCOMPARE(f.stored("Opponents", "lineup"), 1);
    }

    void stylesShowOnlyWhenAskedAndTheChoiceIsKept() {
        {
            TableFixture f("[Opponents]\nlineup=1\n");
            auto* item = f.inside<QAction>(&f.window(), "showStyles");
            QVERIFY(!item->isChecked());
            QVERIFY(f.control<QLabel>("freakstyle")->isHidden());
            item->trigger();
            QVERIFY(f.control<QLabel>("freakstyle")->isVisible());
            QCOMPARE(f.control<QLabel>("freakstyle")->text(), QString("Shark"));
            QCOMPARE(f.stored(kWindowSection, "styles"), 1);
        }
        TableFixture f("[Window]\nstyles=1\n");
        QVERIFY(f.inside<QAction>(&f.window(), "showStyles")->isChecked());
        QCOMPARE(f.control<QLabel>("robotstyle")->text(), QString("Classic"));
        QVERIFY(f.control<QLabel>("robotstyle")->isVisible());
    }
};

QTEST_MAIN(StylesTest)
#include "styles_test.moc"
