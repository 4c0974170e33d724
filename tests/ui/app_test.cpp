// The program's own parts: the top-level error handler, the start without a display and the
// command-line options.
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <stdexcept>

#include "app/application.h"
#include "app/display_check.h"
#include "ui_fixture.h"

using namespace trelvist;

namespace {

// Throws from its event handler, as a game handler would with an error nothing caught.
class Thrower : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) throw std::runtime_error("Unable to write to /nowhere/trelvist.ini");
        return QObject::event(event);
    }
};

void setEnv(const char* name, const char* value) {
    if (value) qputenv(name, value);
    else qunsetenv(name);
}

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the program in `folder`, which is also its home and configuration folder.
Run runProgram(const QStringList& arguments, const QString& folder, bool offscreen) {
    QProcessEnvironment env;
    env.insert("HOME", folder);
    env.insert("XDG_CONFIG_HOME", folder);
    if (offscreen) env.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess program;
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(folder);
    program.start(TRELVIST_PROGRAM, arguments);
    // A program that took the options for a game would play on: it is stopped here.
    if (!program.waitForFinished(10000) || program.exitStatus() != QProcess::NormalExit) return {};
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

}  // namespace

class AppTest : public QObject {
    Q_OBJECT
private slots:
    void escapedErrorsAreShownAndTheProgramGoesOn() {
        Thrower thrower;
        QString title, text;
        ui::test::ModalWatch watch([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            title = box->windowTitle();
            text = box->text();
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        QEvent event(QEvent::User);
        QCoreApplication::sendEvent(&thrower, &event);
        QVERIFY(watch.ran());
        QCOMPARE(text, QString("Unable to write to /nowhere/trelvist.ini"));
        QCOMPARE(title, QApplication::applicationDisplayName());
        // The event loop goes on serving afterwards.
        bool served = false;
        QTimer::singleShot(0, [&] { served = true; });
        QTRY_VERIFY(served);
    }

    void displayIsLookedFor() {
        const QByteArray saved[] = {qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY")};
        setEnv("QT_QPA_PLATFORM", nullptr);
        setEnv("DISPLAY", nullptr);
        setEnv("WAYLAND_DISPLAY", nullptr);
        QVERIFY(!app::displayAvailable());
        setEnv("DISPLAY", "");
        QVERIFY(!app::displayAvailable());
        setEnv("DISPLAY", ":99");
        QVERIFY(app::displayAvailable());
        setEnv("DISPLAY", nullptr);
        setEnv("WAYLAND_DISPLAY", "wayland-0");
        QVERIFY(app::displayAvailable());
        setEnv("WAYLAND_DISPLAY", nullptr);
        setEnv("QT_QPA_PLATFORM", "offscreen");
        QVERIFY(app::displayAvailable());
        setEnv("QT_QPA_PLATFORM", saved[0].isNull() ? nullptr : saved[0].constData());
        setEnv("DISPLAY", saved[1].isNull() ? nullptr : saved[1].constData());
        setEnv("WAYLAND_DISPLAY", saved[2].isNull() ? nullptr : saved[2].constData());
    }

    void programWithoutDisplaySaysSoInOneLine() {
        QProcess program;
        QProcessEnvironment env;
        env.insert("HOME", QDir::tempPath());
        program.setProcessEnvironment(env);
        program.start(TRELVIST_PROGRAM, {});
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        const QString said = QString::fromUtf8(program.readAllStandardError());
        QCOMPARE(said.count('\n'), 1);
        QVERIFY2(said.contains("no display") && said.contains("xvfb-run"), qPrintable(said));
    }

    void optionsAnswerWithoutTouchingAnyFile() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        for (const bool offscreen : {false, true}) {
            const QString where = offscreen ? "offscreen" : "without a display";
            for (const char* help : {"--help", "-h"}) {
                const Run run = runProgram({help}, folder.path(), offscreen);
                QCOMPARE(run.exitCode, 0);
                QVERIFY2(run.out.startsWith("Usage: trelvist") && run.out.contains("--version"),
                         qPrintable(run.out));
                QCOMPARE(run.err, QString());
            }
            const Run version = runProgram({"--version"}, folder.path(), offscreen);
            QCOMPARE(version.exitCode, 0);
            QCOMPARE(version.out, QString("trelvist " TRELVIST_VERSION "\n"));
            QCOMPARE(version.err, QString());

            const Run unknown = runProgram({"--fullscreen"}, folder.path(), offscreen);
            QCOMPARE(unknown.exitCode, 2);
            QCOMPARE(unknown.out, QString());
            QCOMPARE(unknown.err, QString("trelvist: unknown option '--fullscreen' (see trelvist --help)\n"));
            // A stray argument is refused even after a good option.
            const Run stray = runProgram({"--help", "table.ini"}, folder.path(), offscreen);
            QCOMPARE(stray.exitCode, 2);
            QCOMPARE(stray.out, QString());
            QVERIFY2(stray.err.contains("'table.ini'") && stray.err.count('\n') == 1, qPrintable(stray.err));

            const QStringList left =
                QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            QVERIFY2(left.isEmpty(), qPrintable(where + ": " + left.join(", ")));
        }
    }
};

int main(int argc, char** argv) {
    app::Application application(argc, argv);
    QApplication::setApplicationDisplayName("Trelvist");
    AppTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "app_test.moc"
