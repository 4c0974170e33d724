// A 1366 x 768 laptop screen at 125 % (the platform's screen for this test): the window starts
// at the largest zoom that fits, with its frame, inside the screen's free area.
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "settings/ini_file.h"
#include "ui/look.h"
#include "ui/main_window.h"
#include "ui/table_zoom.h"

using namespace trelvist;
using namespace trelvist::ui;

class FitTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { applyGameLook(); }

    void theWindowStartsInsideTheScreen_data() {
        QTest::addColumn<QString>("settings");
        QTest::newRow("first start") << QString();
        QTest::newRow("remembered at 200 %") << QString("[Window]\nzoom=200\n");
    }

    void theWindowStartsInsideTheScreen() {
        QFETCH(QString, settings);
        QTemporaryDir dir;
        const QString path = dir.filePath("trelvist.ini");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(settings.toUtf8()) >= 0);
        file.close();
        IniFile store(path.toStdString());
        MainWindow window(store, {.answerBox = [](const BoxRequest&) { return true; }, .clock = [] { return 1u; }});
        window.startUp();
        window.showCentred();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QCOMPARE(window.devicePixelRatioF(), 1.25);
        const QRect free = window.screen()->availableGeometry();
        QCOMPARE(free.size(), QSize(1093, 614));  // 1366 x 768 device pixels
        QVERIFY(window.frameGeometry() != window.geometry());  // there is a frame to fit
        QVERIFY2(free.contains(window.frameGeometry()),
                 qPrintable(QString("frame %1,%2 %3x%4").arg(window.frameGeometry().x()).arg(window.frameGeometry().y())
                                .arg(window.frameGeometry().width()).arg(window.frameGeometry().height())));
        // The largest zoom whose window and frame fit: one more percent would not.
        const int zoom = window.zoom().zoom();
        QVERIFY(zoom < 100);
        const QMargins frame = window.windowHandle()->frameMargins();
        QVERIFY(qRound(659 * zoom / 100.0) + frame.top() + frame.bottom() <= free.height());
        QVERIFY(qRound(659 * (zoom + 1) / 100.0) + frame.top() + frame.bottom() > free.height());
        // The remembered zoom is kept for a larger screen.
        QCOMPARE(store.readInt("Window", "zoom", -1), settings.isEmpty() ? -1 : 200);
    }
};

QTEST_MAIN(FitTest)
#include "fit_test.moc"
