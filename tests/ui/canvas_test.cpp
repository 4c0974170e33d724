// What the table canvas shows at the card positions: the human's faces, backs for live
// opponents, nothing for broke or folded seats, and the board of the street.
#include <set>

#include "ui/qt_host.h"
#include "ui/table_canvas.h"
#include "ui_fixture.h"

using namespace trelvist;
using namespace trelvist::ui;
using namespace trelvist::ui::test;

namespace {

struct Place {
    QPoint first;
    QPoint step;
};
// First hole card of each seat, and the second card's offset from it.
const std::map<int, Place> kHole = {
    {You, {{450, 448}, {40, 13}}},     {Freak, {{117, 335}, {30, 13}}},
    {Geek, {{117, 100}, {30, 13}}},    {Master, {{287, 100}, {30, 13}}},
    {Champ, {{457, 100}, {30, 13}}},   {Pinhead, {{627, 100}, {30, 13}}},
    {Expert, {{797, 100}, {30, 13}}},  {Robot, {{797, 335}, {30, 13}}},
};
const QPoint kBoardAt[] = {{320, 243}, {395, 253}, {470, 263}, {545, 253}, {620, 243}};

int holePicture(TableFixture& f, int seat, int c) {
    return picture(f.state().cardRec[kHoleRecord[seat] + c]);
}

// The seat's two cards as the picture `first`/`second` show them, the first one only where
// the second does not cover it.
bool showsHole(const QImage& canvas, int seat, int first, int second) {
    const Place& p = kHole.at(seat);
    return showsPicture(canvas, first, p.first, p.step.x(), 96) &&
           showsPicture(canvas, second, p.first + p.step);
}

bool showsNoHole(const QImage& canvas, int seat) {
    const Place& p = kHole.at(seat);
    return showsFelt(canvas, p.first, p.step.x() + 71, p.step.y() + 96);
}

// Board cards 0..shown-1 face up, the rest of the board positions bare felt.
void expectBoard(TableFixture& f, int shown) {
    const QImage canvas = f.window().canvas().image();
    for (int i = 0; i < 5; ++i) {
        if (i < shown)
            QVERIFY2(showsPicture(canvas, picture(f.state().cardRec[kBoard + i]), kBoardAt[i]),
                     qPrintable(QString("board card %1").arg(i)));
        else
            QVERIFY2(showsFelt(canvas, kBoardAt[i]), qPrintable(QString("bare place %1").arg(i)));
    }
}

}  // namespace

class CanvasTest : public QObject {
    Q_OBJECT
private slots:
    void dealShowsTheSeats() {
        TableFixture f("[Cash]\ngeek=0\n");
        const QImage canvas = f.window().canvas().image();
        QVERIFY(showsHole(canvas, You, holePicture(f, You, 0), holePicture(f, You, 1)));
        const int back = f.state().cardBack;
        QCOMPARE(back, 52);
        for (int seat : kOpponents) {
            const QByteArray name = QByteArray("seat ") + QByteArray::number(seat);
            if (f.state().live(seat))
                QVERIFY2(showsHole(canvas, seat, back, back), name);
            else
                QVERIFY2(showsNoHole(canvas, seat), name);  // broke, or folded at start-up
        }
        QVERIFY(showsNoHole(canvas, Geek));
        expectBoard(f, 0);

        // Cut corners: the first card loses all four (the second card covers its bottom-right
        // one); the second keeps its top-left one, which lies over the first card.
        const QPoint first = kHole.at(You).first, second = first + kHole.at(You).step;
        for (QPoint corner : {first, first + QPoint(70, 0), first + QPoint(0, 95),
                              second + QPoint(70, 0), second + QPoint(0, 95), second + QPoint(70, 95)})
            QCOMPARE(canvas.pixel(corner), feltAt(corner.x(), corner.y()));
        QCOMPARE(canvas.pixel(second), cardImage(holePicture(f, You, 1)).pixel(0, 0));
    }

    void boardFollowsTheStreets() {
        // Checking or calling through hands until one reaches the river: each street turns
        // up its board cards.
        std::set<int> streetsSeen;
        for (uint32_t clock = 1; clock < 40 && streetsSeen.size() < 3; ++clock) {
            TableFixture f({}, SettingsFile::Writable, clock);
            streetsSeen.clear();
            while (f.state().street < 5 && f.control<QPushButton>("btnstay")->isEnabled()) {
                f.click("btnstay");
                const int street = f.state().street;
                if (street < 2 || street > 4) continue;
                streetsSeen.insert(street);
                expectBoard(f, street == 2 ? 3 : street == 3 ? 4 : 5);
                if (QTest::currentTestFailed()) return;
            }
        }
        QCOMPARE(streetsSeen, std::set<int>({2, 3, 4}));
    }

    void exposedWindowIsRepaintedFromTheGame() {
        TableFixture f;
        TableCanvas& canvas = f.window().canvas();
        canvas.erase(QRect(0, 0, 1011, 659));  // the brush is the felt now: a bare table
        QVERIFY(showsNoHole(canvas.image(), You));
        f.window().hide();
        f.window().show();
        QTRY_VERIFY(showsHole(canvas.image(), You, holePicture(f, You, 0), holePicture(f, You, 1)));
        QCOMPARE(f.beeps, 0);
    }

    void feltBeforeAndWithoutItsPicture() {
        QWidget parent;
        TableCanvas canvas(&parent);
        // Before the felt is laid, erasing fills with black, the window's colour.
        canvas.erase(QRect(10, 10, 5, 5));
        QCOMPARE(canvas.image().pixel(12, 12), qRgb(0, 0, 0));
        QVERIFY(!canvas.paintFelt("no-such-felt.bmp"));
        QCOMPARE(canvas.image().pixel(500, 300), qRgb(0, 0, 0));
        canvas.drawCard(51, 100, 100);
        canvas.trimCorners(100, 100, false);
        QCOMPARE(canvas.image().pixel(100, 100), qRgb(0, 0, 0));
        QCOMPARE(canvas.image().pixel(101, 101), cardImage(51).pixel(1, 1));
    }

    void missingSoundBeeps() {
        TableFixture f;
        f.window().host().playSound("no-such-sound.wav");
        QCOMPARE(f.beeps, 1);
        f.window().host().playSound("chip4.wav");
        QCOMPARE(f.beeps, 1);
    }
};

QTEST_MAIN(CanvasTest)
#include "canvas_test.moc"
