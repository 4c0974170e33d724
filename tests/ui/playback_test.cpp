// Paced play: a press shows the opponents' actions beat by beat in the order of play, a key
// finishes the playback without acting, Instant shows the end at once, and a box waits for
// the beats that led to it.
#include <QSignalSpy>

#include "ui_fixture.h"

using namespace trelvist;
using namespace trelvist::ui;
using namespace trelvist::ui::test;

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

// Seats of the beats in `spy`, leaving out the beats of no seat (streets, the hand's end).
QList<int> actingSeats(const QSignalSpy& spy) {
    QList<int> seats;
    for (const QList<QVariant>& beat : spy)
        if (const int seat = beat.at(1).toInt()) seats << seat;
    return seats;
}

}  // namespace

class PlaybackTest : public QObject {
    Q_OBJECT
private slots:
    void aPressPlaysBackInTableOrderAndAKeyFinishesIt() {
        TableFixture f;
        Playback& playback = f.window().playback();
        playback.setSpeed(PlaybackSpeed::Normal);
        QSignalSpy beats(&playback, &Playback::beatShown);
        const uint64_t drawsBefore = f.table().random().draws();

        f.click("btnstay");
        QVERIFY(playback.playing());
        // The press is done in the engine; the table shows only its first beat, the human's.
        QVERIFY(f.table().random().draws() > drawsBefore);
        QCOMPARE(beats.count(), 1);
        QCOMPARE(beats.at(0).at(1).toInt(), int(You));
        QVERIFY(f.caption("betsize") != qs(f.view().pot) ||
                f.caption("lblrcash") != qs(f.view().seats[Robot].cash) ||
                f.caption("robotstatus") != qs(f.view().seats[Robot].status.text));

        // The key finishes the playback; it is spent on that, and the table is as the press left it.
        const TableState after = f.state();
        const uint64_t drawsAfter = f.table().random().draws();
        f.press(Qt::Key_C);
        QVERIFY(!playback.playing());
        QCOMPARE(f.table().random().draws(), drawsAfter);
        QCOMPARE(f.state().street, after.street);
        QCOMPARE(f.caption("betsize"), qs(f.view().pot));
        QCOMPARE(f.caption("robotstatus"), qs(f.view().seats[Robot].status.text));
        QCOMPARE(f.caption("cash"), qs(f.view().seats[You].cash));

        // Played to its end, the beats came in the order of play: You, then Freak down to Robot.
        f.click("btnstay");
        QTRY_VERIFY_WITH_TIMEOUT(!playback.playing(), 15000);
        const QList<int> seats = actingSeats(beats);
        QVERIFY(seats.size() > 2);
        int previous = You + 1;
        for (int i = 1; i < seats.size(); ++i) {
            if (seats[i] == You) break;  // the second press
            QVERIFY2(seats[i] < previous, "beats out of the order of play");
            previous = seats[i];
        }
        QCOMPARE(f.caption("betsize"), qs(f.view().pot));
    }

    void instantShowsTheEndAtOnce() {
        TableFixture f;
        Playback& playback = f.window().playback();
        QSignalSpy beats(&playback, &Playback::beatShown);
        f.click("btnstay");
        QVERIFY(!playback.playing());
        QCOMPARE(beats.count(), 0);
        QCOMPARE(f.caption("betsize"), qs(f.view().pot));
        QCOMPARE(f.caption("lblrcash"), qs(f.view().seats[Robot].cash));
    }

    void aBoxWaitsForTheBeatsBeforeIt() {
        Playback playback;
        playback.setSpeed(PlaybackSpeed::Fast);
        QSignalSpy beats(&playback, &Playback::beatShown);
        int painted = 0;
        playback.startRecording();
        for (int seat : {Freak, Geek, Master}) {
            playback.run([&] { ++painted; });
            playback.markBeat(TableView{}, seat);
        }
        QCOMPARE(painted, 0);
        {
            const Playback::Interruption box(playback);
            QCOMPARE(beats.count(), 3);  // every beat shown before the box
            QCOMPARE(painted, 3);
            playback.run([&] { ++painted; });  // while the box is up, paint goes straight on
            QCOMPARE(painted, 4);
        }
        playback.run([&] { ++painted; });  // the press goes on being recorded after it
        QCOMPARE(painted, 4);
        playback.stopRecording();
        QCOMPARE(painted, 5);
    }
};

QTEST_MAIN(PlaybackTest)
#include "playback_test.moc"
