// The window at the screen's pixel ratio (run at QT_SCALE_FACTOR 1, 1.5 and 2): its logical
// geometry and the places of its controls stay the table's own, while the canvas holds the
// table at the screen's density, with card pictures drawn for it rather than pixels doubled.
#include <QLineEdit>

#include "assets/pictures.h"
#include "tests/support/picture_measures.h"
#include "ui/table_canvas.h"
#include "ui_fixture.h"

using namespace trelvist;
using namespace trelvist::ui;
using namespace trelvist::ui::test;
using trelvist::test::doubledEdgeShare;

namespace {

const QPoint kHumanSecondCard(490, 461);

// The card as the canvas shows it, in device pixels, its corners cut away to felt.
QImage cardOnCanvas(const QImage& canvas, QPoint at, double scale) {
    const QRect area(qRound(at.x() * scale), qRound(at.y() * scale), qRound(71 * scale), qRound(96 * scale));
    return canvas.copy(area);
}

}  // namespace

class DensityTest : public QObject {
    Q_OBJECT
private slots:
    void logicalPlacesStayAndPicturesFollowTheDensity() {
        TableFixture f;
        MainWindow& w = f.window();
        const double ratio = w.devicePixelRatioF();
        QCOMPARE(ratio, qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1.0);

        QCOMPARE(w.size(), QSize(1011, 659));
        QCOMPARE(f.control<QWidget>("canvas")->geometry(), QRect(0, 0, 1011, 659));
        QCOMPARE(f.control<QWidget>("btnnew")->geometry(), QRect(376, 576, 65, 33));
        QCOMPARE(f.control<QWidget>("dxButton8")->geometry(), QRect(168, 0, 57, 17));
        QCOMPARE(f.control<QWidget>("Label2")->pos(), QPoint(454, 394));
        QCOMPARE(f.control<QWidget>("theresult")->pos(), QPoint(460, 8));
        QCOMPARE(f.control<QWidget>("Panel1")->geometry(), QRect(248, 90, 522, 427));
        QCOMPARE(f.inside<QLineEdit>(&w, "money")->geometry(), QRect(184, 64, 57, 21));
        QCOMPARE(f.control<QLabel>("cash")->font().pixelSize(), 11);

        const QImage canvas = w.canvas().image();
        QCOMPARE(canvas.size(), QSize(qRound(1011 * ratio), qRound(659 * ratio)));
        // The human's second card is the picture drawn for this density, where the table puts it.
        const int second = picture(f.state().hole(You)[1]);
        const QImage drawn = assets::cardPicture(second, ratio).convertToFormat(QImage::Format_RGB32);
        const QImage shown = cardOnCanvas(canvas, kHumanSecondCard, ratio);
        QCOMPARE(shown.size(), drawn.size());
        const int corner = qRound(ratio);
        QCOMPARE(shown.copy(corner, corner, shown.width() - 2 * corner, shown.height() - 2 * corner),
                 drawn.copy(corner, corner, drawn.width() - 2 * corner, drawn.height() - 2 * corner));

        if (ratio == 2.0) {
            const QImage single = cardImage(second);
            // The measure itself: the 100 % picture doubled pixel by pixel is all blocks.
            QCOMPARE(doubledEdgeShare(single, single.scaled(single.size() * 2)), 1.0);
            const double share = doubledEdgeShare(single, shown);
            qInfo("%.3f of the edge pixels are doubled", share);
            QVERIFY2(share < 0.1, qPrintable(QString("%1 of the edges are doubled pixels").arg(share)));
        }
    }
};

QTEST_MAIN(DensityTest)
#include "density_test.moc"
