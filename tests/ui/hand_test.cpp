// Hands played through the window's buttons and keys, with the game's boxes answered here.
#include <QLineEdit>

#include "settings/ini_file.h"

#include "game/seats.h"
#include "ui/table_canvas.h"
#include "ui/table_geometry.h"
#include "ui_fixture.h"

using namespace trelvist;
using namespace trelvist::ui;
using namespace trelvist::ui::test;

namespace {

constexpr std::pair<int, const char*> kCashLabels[] = {
    {You, "cash"},         {Freak, "lblfcash"},      {Geek, "lblgcash"},
    {Master, "lblmcash"},  {Champ, "lblccash"},      {Pinhead, "lblpinhcash"},
    {Expert, "lblecash"},  {Robot, "lblrcash"},
};
constexpr std::pair<int, const char*> kStatusLabels[] = {
    {You, "playerstatus"},       {Freak, "freakstatus"},   {Geek, "geekstatus"},
    {Master, "masterstatus"},    {Champ, "champstatus"},   {Pinhead, "pinheadstatus"},
    {Expert, "expertstatus"},    {Robot, "robotstatus"},
};

QString qs(const std::string& s) { return QString::fromStdString(s); }

// The widgets show what the table's display holds, each on the control of its own seat.
void expectShowsView(TableFixture& f) {
    const TableView d = f.view();
    for (const auto& [seat, name] : kCashLabels) QCOMPARE(f.caption(name), qs(d.seats[seat].cash));
    for (const auto& [seat, name] : kStatusLabels) {
        QLabel* label = f.control<QLabel>(name);
        QCOMPARE(label->text(), qs(d.seats[seat].status.text));
        QCOMPARE(label->font().italic(), d.seats[seat].status.italic);
        QCOMPARE(label->palette().color(QPalette::WindowText),
                 QColor(d.seats[seat].status.color == LabelColor::Yellow ? Qt::yellow : Qt::white));
    }
    QCOMPARE(f.caption("betsize"), qs(d.pot));
    QCOMPARE(f.caption("theresult"), qs(d.result.text));
    QCOMPARE(f.control<QLabel>("theresult")->x(), d.result.left);
    for (const auto& [name, state] : {std::pair{"btnnew", d.deal}, std::pair{"btnstay", d.checkOrCall},
                                      std::pair{"btnbet", d.raise}, std::pair{"btnpass", d.fold}}) {
        QPushButton* button = f.control<QPushButton>(name);
        QCOMPARE(button->text(), qs(state.caption));
        QCOMPARE(button->isEnabled(), state.enabled);
    }
}

bool enabled(TableFixture& f, const char* button) { return f.control<QPushButton>(button)->isEnabled(); }

}  // namespace

class HandTest : public QObject {
    Q_OBJECT
private slots:
    void handClickedThrough() {
        // Clock 3 deals a hand in which the human's call leaves the flop open to a raise, the
        // raise is answered without ending the hand, and the human's fold leaves a showdown
        // among the others.
        TableFixture f({}, SettingsFile::Writable, 3);
        expectShowsView(f);

        f.click("btnstay");
        QCOMPARE(f.state().street, 2);  // the human's call ends the pre-flop round
        QVERIFY(enabled(f, "btnbet"));
        expectShowsView(f);

        const int32_t beforeRaise = f.state().cash[You];
        f.click("btnbet");
        QCOMPARE(f.state().cash[You], beforeRaise - f.state().smallBet);
        QVERIFY(!enabled(f, "btnnew"));
        QVERIFY(enabled(f, "btnpass"));
        expectShowsView(f);

        f.click("btnpass");
        QVERIFY(f.state().folded[You]);
        QCOMPARE(f.caption("playerstatus"), QString("Folds"));
        QVERIFY(enabled(f, "btnnew"));
        const Rect area = kCardArea[You];
        QVERIFY(showsFelt(f.window().canvas().image(), {area.left, area.top}, area.right - area.left,
                          area.bottom - area.top));
        expectShowsView(f);

        const int32_t cash = f.state().cash[You];
        const int handsPlayed = f.state().handsPlayed;
        f.click("btnnew");
        // The deal wrote the statistics and the cash as they stood when it was pressed.
        QCOMPARE(f.stored("Stats", "handsplayed"), handsPlayed);
        QCOMPARE(f.stored("Cash", "player"), cash);
        QVERIFY(!enabled(f, "btnnew"));
        QCOMPARE(f.state().street, 1);
        QVERIFY(!f.state().folded[You]);
        expectShowsView(f);
        QVERIFY(f.boxes.empty());
    }

    void keysActOnlyThroughEnabledButtons() {
        TableFixture f;
        const auto dealt = f.state().holes;
        QVERIFY(!enabled(f, "btnnew"));
        f.press(Qt::Key_D);  // Deal is disabled at start-up
        QVERIFY(f.state().holes == dealt);
        QCOMPARE(f.state().street, 1);

        f.press(Qt::Key_C);  // the fixture's clock deals a hand that goes on after the call
        QCOMPARE(f.state().street, 2);
        expectShowsView(f);

        QVERIFY(enabled(f, "btnpass"));
        f.press(Qt::Key_F);
        QCOMPARE(f.state().street, 5);
        QVERIFY(!enabled(f, "btnpass"));
        const int64_t handsPlayed = f.state().handsPlayed;
        f.press(Qt::Key_F);  // nothing left to fold
        QCOMPARE(f.state().street, 5);
        QCOMPARE(f.state().handsPlayed, handsPlayed);
        f.press(Qt::Key_D);
        QCOMPARE(f.state().street, 1);
        // Stored with every paid pot, the new hand's too when every opponent folds in it.
        QCOMPARE(f.stored("Stats", "handsplayed"), f.state().handsPlayed);

        f.press(Qt::Key_O);
        QVERIFY(f.control<QWidget>("Panel1")->isVisible());
        f.press(Qt::Key_O);
        QVERIFY(f.control<QWidget>("Panel1")->isHidden());
    }

    void newGameAsksFirst() {
        TableFixture f;
        f.answer = false;
        const auto cash = f.state().cash;
        f.click("dxButton5");
        QCOMPARE(f.boxes.size(), size_t(1));
        QCOMPARE(int(f.boxes[0].kind), int(BoxRequest::Kind::Question));
        QCOMPARE(f.boxes[0].caption, QString("New game"));
        QCOMPARE(f.boxes[0].text, QString("Are you sure?"));
        QCOMPARE(f.state().cash, cash);

        // The panel's typed cash, not yet entered, starts the new game.
        f.click("dxButton6");
        auto* money = f.inside<QLineEdit>(&f.window(), "money");
        money->clear();
        QTest::keyClicks(money, "2000");
        f.answer = true;
        f.press(Qt::Key_N);
        QCOMPARE(f.boxes.size(), size_t(2));
        for (const char* name : {"cash", "lblfcash", "lblgcash", "lblmcash", "lblccash", "lblpinhcash"})
            QCOMPARE(f.caption(name), QString("2000"));
        QCOMPARE(f.caption("lblecash"), QString::number(2000 - f.state().smallBlind));
        QCOMPARE(f.caption("lblrcash"), QString::number(2000 - f.state().bigBlind));
        QCOMPARE(f.caption("betsize"), QString::number(f.state().smallBlind + f.state().bigBlind));
        QCOMPARE(f.caption("robotstatus"), QString("Big Blind"));
        expectShowsView(f);
    }

    void badNewGameCashIsReported() {
        TableFixture f;
        f.click("dxButton6");
        auto* money = f.inside<QLineEdit>(&f.window(), "money");
        money->clear();
        QTest::keyClicks(money, "12a");
        f.click("dxButton5");
        QCOMPARE(f.boxes.size(), size_t(2));
        QCOMPARE(int(f.boxes[1].kind), int(BoxRequest::Kind::Error));
        QCOMPARE(f.boxes[1].text, QString("'12a' is not a valid integer value"));
        QCOMPARE(f.caption("cash"), QString("1200"));  // the new game stopped there
    }

    void refusedWritesAreReported() {
        // A folder stands where the settings file should be: start-up's first write fails.
        TableFixture f({}, SettingsFile::Unwritable);
        QVERIFY(!f.boxes.empty());
        QCOMPARE(int(f.boxes[0].kind), int(BoxRequest::Kind::Error));
        QCOMPARE(f.boxes[0].text, "Unable to write to " + f.settingsPath() + "\nNot a regular file");
        // The program goes on: the table is dealt and the human can act.
        QVERIFY(enabled(f, "btnstay"));
        f.click("btnstay");
        QVERIFY(f.state().street >= 2);
    }

    void gameOverIsAnnounced() {
        TableFixture f("[Cash]\nplayer=0\n");
        QVERIFY(enabled(f, "btnpass"));  // the broke human is dealt in and can fold
        f.click("btnpass");
        QVERIFY(enabled(f, "btnnew"));
        f.click("btnnew");
        QCOMPARE(f.boxes.size(), size_t(1));
        QCOMPARE(int(f.boxes[0].kind), int(BoxRequest::Kind::Message));
        QCOMPARE(f.boxes[0].caption, QString("Game over"));
        QCOMPARE(f.boxes[0].text, QString("You lose!"));
        for (const char* name : {"btnnew", "btnstay", "btnbet", "btnpass"}) QVERIFY(!enabled(f, name));
    }

    // The window closed while a box in the middle of a press is up: the file holds the state before
    // the press till then; the press finishes as if OK were pressed, is stored, and the window closes.
    void closingTheWindowInABoxFinishesThePress() {
        // Every opponent is a chip short of the target: whoever takes the pot ends the game.
        TableFixture f("[Cash]\nuntil=20\nfreak=1219\ngeek=1219\nmaster=1219\nchamp=1219\npinhead=1219\n"
                       "expert=1219\nrobot=1219\n", SettingsFile::Writable, 1, Boxes::Real);
        const auto storedHands = [&] { return IniFile(f.settingsPath().toStdString()).readInt("Stats", "handsplayed", 0); };
        int handsDuringTheBox = -1;
        ModalWatch watch([&](QWidget* box) {
            QCOMPARE(box->windowTitle(), QString("Game over"));
            handsDuringTheBox = storedHands();
            f.window().close();
            QVERIFY(!box->isVisible());
        });
        f.click("btnpass");
        QVERIFY(watch.ran());
        QCOMPARE(handsDuringTheBox, 0);
        QCOMPARE(storedHands(), 1);
        QVERIFY(!f.window().isVisible());
    }
};

QTEST_MAIN(HandTest)
#include "hand_test.moc"
