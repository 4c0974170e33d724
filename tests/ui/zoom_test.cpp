// Zoom: the keys step it, the frame resizes the table in its proportions, the zoom and full
// screen are remembered in the window's own section, and a refused write is told once.
#include <QDialog>
#include <QFile>

#include "assets/pictures.h"
#include "ui/table_canvas.h"
#include "ui/table_zoom.h"
#include "ui/window_prefs.h"
#include "ui_fixture.h"

using namespace trelvist;
using namespace trelvist::ui;
using namespace trelvist::ui::test;

namespace {

void key(TableFixture& f, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    f.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window()));
    QTest::keyClick(&f.window(), Qt::Key(key), modifiers);
}

// The lines of the settings file outside the window's own section.
QStringList gameLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList kept;
    bool window = false;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)) {
        if (line.startsWith('[')) window = line == "[Window]";
        if (!window) kept << line;
    }
    return kept;
}

// True when the canvas shows the human's second card, drawn for the canvas's scale, where the
// table puts it.
bool showsHumanCard(TableFixture& f) {
    TableCanvas& canvas = f.window().canvas();
    const double scale = canvas.scale();
    const QImage card = assets::cardPicture(picture(f.state().hole(You)[1]), scale).convertToFormat(QImage::Format_RGB32);
    const QPoint at(qRound(490 * scale), qRound(461 * scale));
    const QRect middle(card.width() / 4, card.height() / 4, card.width() / 2, card.height() / 2);
    return canvas.image().copy(middle.translated(at)) == card.copy(middle);
}

}  // namespace

class ZoomTest : public QObject {
    Q_OBJECT
private slots:
    void keysStepTheZoomAndTheLayoutFollows() {
        TableFixture f;
        const QStringList game = gameLines(f.settingsPath());
        auto* deal = f.control<QWidget>("btnnew");
        const QRect handsList = f.inside<QWidget>(&f.window(), "hands")->geometry();

        key(f, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(f.window().zoom().zoom(), 110);
        QCOMPARE(f.window().size(), QSize(1112, 725));
        QCOMPARE(deal->geometry(), QRect(414, 634, 71, 36));  // edges scaled: 376..441 x 576..609
        QCOMPARE(f.control<QWidget>("Label2")->pos(), QPoint(499, 433));
        QCOMPARE(f.control<QLabel>("Label2")->font().pixelSize(), 12);
        QCOMPARE(f.control<QLabel>("theresult")->font().pixelSize(), 23);
        QCOMPARE(f.control<QWidget>("Panel1")->geometry(), QRect(273, 99, 574, 470));
        // The statistics' counts keep the table's zoom; their window's size is the player's.
        auto* stats = f.inside<QDialog>(&f.window(), "TStatistics");
        QCOMPARE(f.inside<QWidget>(stats, "lblhandswon")->pos(), QPoint(150, 70));
        QCOMPARE(f.inside<QWidget>(stats, "dxButton1")->geometry(), QRect(106, 176, 89, 28));
        // The history window keeps the size and layout its player gives it.
        QCOMPARE(f.inside<QWidget>(&f.window(), "THistory")->size(), QSize(760, 520));
        QCOMPARE(f.inside<QWidget>(&f.window(), "hands")->geometry(), handsList);
        QCOMPARE(f.window().canvas().scale(), 1.1);
        QCOMPARE(f.window().canvas().image().size(), QSize(1112, 725));
        QVERIFY(showsHumanCard(f));
        QCOMPARE(f.stored(kWindowSection, "zoom"), 110);

        key(f, Qt::Key_Minus, Qt::ControlModifier);
        key(f, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(f.window().zoom().zoom(), 90);
        QCOMPARE(f.stored(kWindowSection, "zoom"), 90);
        key(f, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(f.window().size(), QSize(1011, 659));
        QCOMPARE(deal->geometry(), QRect(376, 576, 65, 33));
        QCOMPARE(f.control<QLabel>("Label2")->font().pixelSize(), 11);
        QVERIFY(showsHumanCard(f));
        QCOMPARE(f.stored(kWindowSection, "zoom"), 100);
        // Only the window's own section was written.
        QCOMPARE(gameLines(f.settingsPath()), game);
    }

    void theFrameResizesTheTableInItsProportions() {
        TableFixture f;
        f.window().resize(1300, 700);
        // 106 % is the largest at which the table's 659 rows fit 700: 699 of them, and 1072
        // columns, centred in 1300.
        QCOMPARE(f.window().zoom().zoom(), 106);
        QCOMPARE(f.control<QWidget>("canvas")->geometry(), QRect(114, 0, 1072, 699));
        QCOMPARE(f.control<QWidget>("btnnew")->pos(), QPoint(114 + 399, 611));
        QCOMPARE(f.window().palette().color(QPalette::Window), QColor(Qt::black));
        QVERIFY(showsHumanCard(f));
        QCOMPARE(f.stored(kWindowSection, "zoom"), -1);  // written once the frame rests
        QTRY_COMPARE(f.stored(kWindowSection, "zoom"), 106);
    }

    void theZoomIsRememberedAndFullScreenToggles() {
        TableFixture f("[Window]\nzoom=150\n");
        QCOMPARE(f.window().size(), QSize(1517, 989));
        QCOMPARE(f.window().canvas().scale(), 1.5);

        key(f, Qt::Key_F11);
        QTRY_VERIFY(f.window().isFullScreen());
        QCOMPARE(f.stored(kWindowSection, "fullscreen"), 1);
        const QSize screen = f.window().screen()->geometry().size();
        QTRY_COMPARE(f.window().size(), screen);
        QVERIFY(QRect(QPoint(), screen).contains(f.control<QWidget>("canvas")->geometry()));
        // Zoom steps leave a full-screen window as it is.
        const int fitted = f.window().zoom().zoom();
        key(f, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(f.window().zoom().zoom(), fitted);

        key(f, Qt::Key_F11);
        QTRY_VERIFY(!f.window().isFullScreen());
        QCOMPARE(f.stored(kWindowSection, "fullscreen"), 0);
        QTRY_COMPARE(f.window().size(), QSize(1517, 989));
        QCOMPARE(f.stored(kWindowSection, "zoom"), 150);  // full screen leaves the zoom as it was
    }

    void storedZoomsOutOfRangeReadAsTheNearest() {
        for (const auto& [text, zoom] : {std::pair{"zoom=1000", 300}, {"zoom=10", 50}, {"zoom=abc", 100}, {"", 100}}) {
            TableFixture f(QString("[Window]\n%1\n").arg(text));
            QCOMPARE(f.window().zoom().zoom(), zoom);
        }
    }

    void aRefusedWriteIsToldOnceAndTheZoomHolds() {
        TableFixture f({}, SettingsFile::Unwritable);
        const size_t before = f.boxes.size();
        key(f, Qt::Key_Plus, Qt::ControlModifier);
        key(f, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(f.window().zoom().zoom(), 125);
        QCOMPARE(f.boxes.size(), before + 1);
        QCOMPARE(f.boxes.back().kind, BoxRequest::Kind::Error);
        QVERIFY(f.boxes.back().text.startsWith("Unable to write to "));
    }
};

QTEST_MAIN(ZoomTest)
#include "zoom_test.moc"
