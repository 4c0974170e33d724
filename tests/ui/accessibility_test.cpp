// What a screen reader finds: a name for every control, the table read out as it stands, the
// keys in the buttons' tooltips, and a keyboard that works again after a modal window closes.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

#include "ui/table_canvas.h"
#include "ui/table_description.h"
#include "ui_fixture.h"

using namespace trelvist;
using namespace trelvist::ui;
using namespace trelvist::ui::test;

namespace {

// Every control in the accessible tree under `root`, with its name.
void collectControls(QAccessibleInterface* root, QList<QPair<QAccessible::Role, QString>>& controls) {
    static const QList<QAccessible::Role> kControls = {QAccessible::PushButton, QAccessible::RadioButton,
                                                       QAccessible::CheckBox,   QAccessible::EditableText,
                                                       QAccessible::ButtonMenu, QAccessible::ButtonDropDown};
    if (!root) return;
    if (kControls.contains(root->role()) || root->state().focusable)
        controls << qMakePair(root->role(), root->text(QAccessible::Name));
    for (int i = 0; i < root->childCount(); ++i) collectControls(root->child(i), controls);
}

QString nameOf(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name); }

QStringList tableText(TableFixture& f) {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&f.window().canvas());
    return table->text(QAccessible::Description).split('\n');
}

QString yourCards(TableFixture& f) {
    return "Your cards: " + cardName(picture(f.state().hole(You)[0])) + ", " + cardName(picture(f.state().hole(You)[1]));
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void everyControlHasAName() {
        TableFixture f;
        f.click("dxButton6");  // the options panel, open
        QList<QPair<QAccessible::Role, QString>> controls;
        QList<QWidget*> windows{&f.window()};
        for (QDialog* dialog : f.window().findChildren<QDialog*>()) windows << dialog;
        for (QWidget* window : windows) collectControls(QAccessible::queryAccessibleInterface(window), controls);
        // The walk reached every button, edit box and control that takes the keyboard.
        qsizetype widgets = 0;
        for (QWidget* window : windows)
            for (QWidget* w : window->findChildren<QWidget*>())
                widgets += w->window() == window && (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                                                     w->focusPolicy() != Qt::NoFocus);
        QVERIFY2(controls.size() >= widgets, qPrintable(QString("%1 of %2").arg(controls.size()).arg(widgets)));
        QVERIFY(widgets > 30);
        for (const auto& [role, name] : controls) QVERIFY2(!name.trimmed().isEmpty(), qPrintable(QString("role %1").arg(role)));

        QWidget* panel = f.control<QWidget>("Panel1");
        QCOMPARE(nameOf(f.inside<QPushButton>(panel, "dxButton2")), QString("Enter initial cash"));
        QCOMPARE(nameOf(f.inside<QPushButton>(panel, "dxButton3")), QString("Enter play until someone wins"));
        QCOMPARE(nameOf(f.inside<QLineEdit>(panel, "money")), QString("Initial cash"));
        QCOMPARE(nameOf(f.inside<QToolButton>(panel, "UpDown1Left")), QString("Lower betting limits"));
        QCOMPARE(nameOf(f.inside<QToolButton>(panel, "UpDown1Right")), QString("Raise betting limits"));
        QCOMPARE(nameOf(f.inside<QRadioButton>(panel, "cardbacksItem2")), QString("Card back 3"));
        QCOMPARE(nameOf(f.inside<QRadioButton>(panel, "LevelsItem3")), QString("AI level Genius"));
        QCOMPARE(nameOf(f.inside<QPushButton>(panel, "SoundOff1")), QString("Sound On"));
        f.inside<QPushButton>(panel, "SoundOff1")->click();
        QCOMPARE(nameOf(f.inside<QPushButton>(panel, "SoundOff1")), QString("Sound Off"));
    }

    void buttonsTellTheirKeys() {
        TableFixture f;
        for (const auto& [button, tip] : {std::pair{"btnnew", "Deal the next hand (D)"},
                                          {"btnstay", "Check, or call the bet (C)"},
                                          {"btnpass", "Fold your hand (F)"},
                                          {"dxButton8", "The rules of the game (F1)"},
                                          {"btnhistory", "The hands of this session (H)"},
                                          {"btnview", "Playback speed, zoom and seat statistics (V)"}}) {
            QCOMPARE(f.control<QPushButton>(button)->toolTip(), QString(tip));
            QCOMPARE(f.control<QPushButton>(button)->accessibleDescription(), QString(tip));
        }
    }

    void theTableReadsWhatLiesOnIt() {
        TableFixture f;
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&f.window().canvas());
        QCOMPARE(table->role(), QAccessible::Graphic);
        QCOMPARE(table->text(QAccessible::Name), QString("Table"));
        QVERIFY(table->state().focusable);

        QStringList lines = tableText(f);
        QCOMPARE(lines.value(0), yourCards(f));
        QCOMPARE(lines.value(1), QString("Board: no cards"));
        QCOMPARE(lines.value(2), QString("You: %1").arg(f.caption("cash")));
        QVERIFY2(lines.contains("Expert: " + f.caption("lblecash") + ", Small Blind, cards face down"),
                 qPrintable(lines.join(" | ")));
        QCOMPARE(lines.value(10), "Pot: " + f.caption("betsize"));

        // The human folds: the cards are wiped, the hand is settled and its result read.
        f.click("btnpass");
        lines = tableText(f);
        QCOMPARE(lines.value(0), QString("Your cards: none"));
        QVERIFY(lines.value(2).startsWith("You: " + f.caption("cash") + ", Folds"));
        QCOMPARE(lines.last(), "Result: " + f.caption("theresult"));

        // The next deal: the new cards.
        f.click("btnnew");
        lines = tableText(f);
        QCOMPARE(lines.value(0), yourCards(f));
        QVERIFY(!lines.last().startsWith("Result"));
    }

    void theDescriptionNamesCardsAndSeats() {
        const auto up = [](int picture) { return ShownCard{CardFace::Up, picture}; };
        TableView view;
        view.seats[You].cash = "1196";
        view.seats[You].status = {"Big Blind"};
        view.seats[You].cards = {up(51), up(13)};  // the ace of spades, the two of diamonds
        view.seats[Freak].cash = "1210";
        view.seats[Freak].status = {"Two pairs Aces"};
        view.seats[Freak].cards = {up(12), ShownCard{CardFace::Down, 52}};  // the ace of clubs, a back
        view.seats[Geek].cash = "0";
        view.board[0] = up(33);  // the first flop card: the nine of hearts
        view.pot = "40";
        view.result.text = "Freak wins";
        const QStringList lines = describeTable(view).split('\n');
        QCOMPARE(lines.value(0), QString("Your cards: Ace of spades, Two of diamonds"));
        QCOMPARE(lines.value(1), QString("Board: Nine of hearts"));
        QCOMPARE(lines.value(2), QString("You: 1196, Big Blind"));
        QCOMPARE(lines.value(3), QString("Freak: 1210, Two pairs Aces, cards Ace of clubs, face down"));
        QCOMPARE(lines.value(4), QString("Geek: 0, no cards"));
        QCOMPARE(lines.value(10), QString("Pot: 40"));
        QCOMPARE(lines.value(11), QString("Result: Freak wins"));
    }

    void theFocusShowsAsARing() {
        TableFixture f;
        const auto goldPixels = [](QWidget* widget) {
            const QImage image = widget->grab().toImage();
            int gold = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) gold += image.pixel(x, y) == qRgb(255, 200, 0);
            return gold;
        };
        QWidget* button = QApplication::focusWidget();
        QVERIFY(button);
        QCOMPARE(goldPixels(button), 0);  // no ring before the keyboard moved the focus
        QTest::keyClick(&f.window(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        QVERIFY(focused && focused != button);
        // All round the button: at least its width twice over.
        QVERIFY2(goldPixels(focused) > 2 * focused->width(), qPrintable(focused->objectName()));
        // The table too, once Tab reaches it.
        f.window().canvas().setFocus(Qt::TabFocusReason);
        QVERIFY(goldPixels(&f.window().canvas()) > 2 * f.window().canvas().width());
    }

    void theKeyboardComesBackAfterAModalWindow() {
        TableFixture f;
        ModalWatch watch([](QWidget* advice) { QTest::keyClick(advice, Qt::Key_Return); });
        f.press(Qt::Key_A);
        QVERIFY(watch.ran());
        QTRY_COMPARE(QApplication::activeWindow(), &f.window());
        // The keys act at once, with no click on the table.
        QTest::keyClick(&f.window(), Qt::Key_F);
        QVERIFY(f.state().folded[You]);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
