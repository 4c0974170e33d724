// What the table canvas shows at the card positions: the human's faces, backs for live
// opponents, nothing for broke or folded seats, and the board of the street.
#include "game/seats.h"
#include "ui/qt_host.h"
#include "ui/table_geometry.h"
#include "ui/table_canvas.h"
#include "ui_fixture.h"

using namespace trelvist;
using namespace trelvist::ui;
using namespace trelvist::ui::test;

namespace {

// Where the seat's first and second hole cards lie.
QPoint firstCard(int seat) { return {kHolePlace[seat].x, kHolePlace[seat].y}; }
QPoint secondCard(int seat) { return firstCard(seat) + QPoint(kHolePlace[seat].dx, kHolePlace[seat].dy); }

int holePicture(TableFixture& f, int seat, int c) { return picture(f.state().hole(seat)[c]); }

// The seat's two cards as the picture `first`/`second` show them, the first one only where
// the second does not cover it.
bool showsHole(const QImage& canvas, int seat, int first, int second) {
    return showsPicture(canvas, first, firstCard(seat), kHolePlace[seat].dx, 96) &&
           showsPicture(canvas, second, secondCard(seat));
}

bool showsNoHole(const QImage& canvas, int seat) {
    return showsFelt(canvas, firstCard(seat), kHolePlace[seat].dx + 71, kHolePlace[seat].dy + 96);
}

// Board cards 0..shown-1 face up, the rest of the board positions bare felt.
void expectBoard(TableFixture& f, int shown) {
    const QImage canvas = f.window().canvas().image();
    for (int i = 0; i < 5; ++i) {
        const QPoint at(kBoardPlace[i].x, kBoardPlace[i].y);
        if (i < shown)
            QVERIFY2(showsPicture(canvas, picture(f.state().board()[i]), at),
                     qPrintable(QString("board card %1").arg(i)));
        else
            QVERIFY2(showsFelt(canvas, at), qPrintable(QString("bare place %1").arg(i)));
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
            if (seat == Geek)
                QVERIFY2(showsNoHole(canvas, seat), name);  // broke
            else
                QVERIFY2(showsHole(canvas, seat, back, back), name);
        }
        expectBoard(f, 0);

        // Cut corners: the first card loses all four (the second card covers its bottom-right
        // one); the second keeps its top-left one, which lies over the first card.
        const QPoint first = firstCard(You), second = secondCard(You);
        for (QPoint corner : {first, first + QPoint(70, 0), first + QPoint(0, 95),
                              second + QPoint(70, 0), second + QPoint(0, 95), second + QPoint(70, 95)})
            QCOMPARE(canvas.pixel(corner), feltAt(corner.x(), corner.y()));
        QCOMPARE(canvas.pixel(second), cardImage(holePicture(f, You, 1)).pixel(0, 0));
    }

    void boardFollowsTheStreets() {
        // The fixture's clock deals a hand in which each check or call moves on one street, up
        // to the river: each street turns up its board cards.
        TableFixture f;
        expectBoard(f, 0);
        for (int street = 2; street <= 4; ++street) {
            f.click("btnstay");
            QCOMPARE(f.state().street, street);
            expectBoard(f, street + 1);
            if (QTest::currentTestFailed()) return;
        }
    }

    void exposedWindowIsRepaintedFromTheGame() {
        TableFixture f;
        TableCanvas& canvas = f.window().canvas();
        canvas.show(TableView{});  // a bare table
        QVERIFY(showsNoHole(canvas.image(), You));
        f.window().hide();
        f.window().show();
        QTRY_VERIFY(showsHole(canvas.image(), You, holePicture(f, You, 0), holePicture(f, You, 1)));
        QCOMPARE(f.beeps, 0);
    }

    void feltBeforeAndWithoutItsPicture() {
        QWidget parent;
        TableCanvas canvas(&parent);
        // Before the felt is read, the table is black, the window's colour.
        QCOMPARE(canvas.image().pixel(12, 12), qRgb(0, 0, 0));
        QVERIFY(!canvas.loadFelt("no-such-felt.bmp"));
        QCOMPARE(canvas.image().pixel(500, 300), qRgb(0, 0, 0));
        TableView view;
        view.seats[Freak].cards[0] = {CardFace::Up, 51};
        canvas.show(view);
        const QPoint at = firstCard(Freak);
        QCOMPARE(canvas.image().pixel(at), qRgb(0, 0, 0));  // a trimmed corner
        QCOMPARE(canvas.image().pixel(at + QPoint(1, 1)), cardImage(51).pixel(1, 1));
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
