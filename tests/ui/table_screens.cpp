// table_screens OUTPUT_FOLDER: saves pictures of the main window over a few dealt tables, so
// that two builds of the window can be compared pixel for pixel. Each table is dealt in a
// window of its own over a fresh settings file, with the clock standing still, so every run
// deals the same cards. The window is driven only as a person would drive it, through its
// buttons found by name, and the picture is the window as it draws itself.
//
// For every table it writes NAME.png (the whole window) and NAME-canvas.png (the table the
// cards lie on, in device pixels).
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

#include "settings/ini_file.h"
#include "settings/settings_path.h"
#include "ui/look.h"
#include "ui/main_window.h"
#include "ui/table_canvas.h"

using namespace trelvist;
using namespace trelvist::ui;

namespace {

// The game seeds its generator from the clock at start-up, so the clock alone chooses the
// deal. These were found with trelvist-script:
//   kPlainClock: calling down takes four presses and ends in a showdown of the human and two
//     opponents, which the human wins; the human's fold at once leaves three opponents, whose
//     hands are then shown (Master wins).
//   kSplitClock: calling down ends in a showdown that two opponents share.
//   kUncontestedClock: the human's fold at once leaves only Robot, who takes the pot without
//     showing.
//   kAllFoldClock: at the human's first call every opponent folds, and the human takes the pot.
constexpr uint32_t kPlainClock = 2;
constexpr uint32_t kSplitClock = 1;
constexpr uint32_t kUncontestedClock = 8;
constexpr uint32_t kAllFoldClock = 15;

constexpr int kCardBacks = 8;
// More presses than any hand needs: a hand has four streets, and a raise met in one of them
// costs the human one more call.
constexpr int kMostCalls = 16;

[[noreturn]] void fail(const QString& text) {
    std::fprintf(stderr, "table_screens: %s\n", qPrintable(text));
    std::exit(1);
}

// A main window as the game starts it, over a settings file of its own in a temporary
// folder; boxes are answered Yes/OK at once.
class Screen {
public:
    explicit Screen(uint32_t clock)
        : oldConfigHome_(qgetenv("XDG_CONFIG_HOME")), oldDataHome_(qgetenv("XDG_DATA_HOME")) {
        if (!dir_.isValid()) fail("no temporary folder");
        qputenv("XDG_CONFIG_HOME", dir_.filePath("config").toUtf8());
        qputenv("XDG_DATA_HOME", dir_.filePath("data").toUtf8());
        const QString path = QString::fromStdString(defaultSettingsPath());
        QDir().mkpath(QFileInfo(path).path());
        settings_ = std::make_unique<IniFile>(path.toStdString());
        HostHooks hooks{.answerBox = [](const BoxRequest&) { return true; },
                        .beep = [] {},
                        .clock = [clock] { return clock; }};
        window_ = std::make_unique<MainWindow>(*settings_, std::move(hooks));
        // Each press shows its end at once: the picture is the table the press leaves.
        window_->playback().setSpeed(PlaybackSpeed::Instant);
        window_->startUp();
        window_->show();
        if (!QTest::qWaitForWindowExposed(window_.get())) fail("the window was not shown");
        window_->activateWindow();
        if (!QTest::qWaitForWindowActive(window_.get())) fail("the window did not become active");
    }

    ~Screen() {
        window_.reset();
        settings_.reset();
        qputenv("XDG_CONFIG_HOME", oldConfigHome_);
        qputenv("XDG_DATA_HOME", oldDataHome_);
    }

    template <class W>
    W* find(const char* name) {
        W* widget = window_->findChild<W*>(name);
        if (!widget) fail(QString("no control %1").arg(name));
        return widget;
    }
    bool enabled(const char* button) { return find<QAbstractButton>(button)->isEnabled(); }
    void click(const char* button) {
        QAbstractButton* control = find<QAbstractButton>(button);
        if (!control->isEnabled() || !control->isVisible()) fail(QString("%1 cannot be pressed").arg(button));
        QTest::mouseClick(control, Qt::LeftButton);
    }
    // Presses Check/Call until the hand is over.
    void callDown() {
        for (int i = 0; i < kMostCalls && enabled("btnstay"); ++i) click("btnstay");
        expectHandOver("calling down");
    }
    void expectHandOver(const char* after) {
        if (!enabled("btnnew")) fail(QString("the hand goes on after %1").arg(after));
    }

    void save(const QDir& folder, const QString& name) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        write(window_->grab().toImage(), folder.filePath(name + ".png"));
        write(find<TableCanvas>("canvas")->image(), folder.filePath(name + "-canvas.png"));
    }

private:
    static void write(const QImage& image, const QString& path) {
        if (image.isNull() || !image.save(path, "PNG")) fail(QString("cannot write %1").arg(path));
        std::printf("%s %dx%d\n", qPrintable(path), image.width(), image.height());
    }

    QByteArray oldConfigHome_;
    QByteArray oldDataHome_;
    QTemporaryDir dir_;
    std::unique_ptr<IniFile> settings_;
    std::unique_ptr<MainWindow> window_;
};

void take(const QDir& folder, const QString& name, uint32_t clock, const std::function<void(Screen&)>& play) {
    Screen screen(clock);
    play(screen);
    screen.save(folder, name);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: table_screens OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) fail(QString("cannot make %1").arg(folder.path()));
    applyGameLook();

    take(folder, "start", kPlainClock, [](Screen&) {});
    take(folder, "fold", kPlainClock, [](Screen& s) {
        s.click("btnpass");
        s.expectHandOver("the fold");
    });
    take(folder, "showdown", kPlainClock, [](Screen& s) { s.callDown(); });
    take(folder, "showdown-split", kSplitClock, [](Screen& s) { s.callDown(); });
    take(folder, "uncontested-fold", kUncontestedClock, [](Screen& s) {
        s.click("btnpass");
        s.expectHandOver("the fold");
    });
    take(folder, "uncontested-win", kAllFoldClock, [](Screen& s) {
        s.click("btnstay");
        s.expectHandOver("the call");
    });
    // Every card back on the table at start: once under the open options panel, just after
    // its item is clicked, and once more on the bare table after Ok.
    for (int back = 0; back < kCardBacks; ++back) {
        const QString name = QString("back-%1").arg(back + 1);
        Screen screen(kPlainClock);
        screen.click("dxButton6");
        const QByteArray item = QString("cardbacksItem%1").arg(back).toLatin1();
        screen.click(item.constData());
        if (!screen.find<QRadioButton>(item.constData())->isChecked()) fail(name + " is not selected");
        screen.save(folder, name + "-options");
        screen.click("dxButton1");
        screen.save(folder, name);
    }
    return 0;
}
