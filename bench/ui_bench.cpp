// The window's speed: from the start of the program to the first paint of the table, from
// a click to the repainted table for the slowest action at the Genius level, the opening of
// the History window over a long session, the pictures drawn for a new density, a zoom step
// and a repaint of the whole window at 200 %.
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise (for instance
// QT_QPA_PLATFORM=xcb under xvfb-run, to include the X server's part).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "assets/pictures.h"
#include "history/hand_history.h"
#include "settings/ini_file.h"
#include "tests/support/test_host.h"
#include "ui/history_window.h"
#include "ui/look.h"
#include "ui/main_window.h"
#include "ui/table_canvas.h"
#include "ui/window_prefs.h"

namespace {

using namespace trelvist;

QApplication* application = nullptr;

// A folder for the files the benchmarks write, in memory where the machine has it, so that
// no benchmark waits for the disk; removed at the end.
const QTemporaryDir& scratch() {
    static const QTemporaryDir dir((QDir("/dev/shm").exists() ? QString("/dev/shm") : QDir::tempPath()) +
                                   "/trelvist-bench-XXXXXX");
    return dir;
}

void startApplication() {
    if (application) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The windows keep their hand history there, not in the user's data folder.
    qputenv("XDG_DATA_HOME", scratch().filePath("data").toUtf8());
    static int argc = 1;
    static char name[] = "ui_bench";
    static char* argv[] = {name, nullptr};
    application = new QApplication(argc, argv);
    ui::applyGameLook();
}

// Waits for the next paint of the table canvas.
void waitForPaint(ui::MainWindow& window) {
    QEventLoop loop;
    QObject::connect(&window.canvas(), &ui::TableCanvas::painted, &loop, &QEventLoop::quit);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
}

// Deals the first hand, shows the window and waits until the table is painted.
void startAndPaint(ui::MainWindow& window) {
    window.startUp();
    window.show();
    waitForPaint(window);
}

// The settings file of a window that starts at `zoom` percent.
std::string settingsAtZoom(const QTemporaryDir& dir, int zoom) {
    const std::string path = dir.filePath("trelvist.ini").toStdString();
    if (zoom != 100) {
        IniFile file(path);
        ui::WindowPrefs(file).setZoom(zoom);
    }
    return path;
}

QSize windowAtZoom(int zoom) { return QSize(qRound(1011 * zoom / 100.0), qRound(659 * zoom / 100.0)); }

// A window over fresh settings, with boxes answered at once and a fixed clock for the deal.
struct Table {
    explicit Table(uint32_t clock, int zoom = 100)
        : settings(settingsAtZoom(dir, zoom)),
          window(settings, {.answerBox = [](const ui::BoxRequest&) { return true; },
                            .clock = [clock] { return clock; }}) {
        window.playback().setSpeed(ui::PlaybackSpeed::Instant);  // the click's cost, not its pacing
    }
    QTemporaryDir dir;
    IniFile settings;
    ui::MainWindow window;
};

// The program's own start: the application, the look, the window, the deal, the first paint.
// Only the first run of the process includes the application and the font database, so this
// runs once.
void BM_ColdStartToFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        startApplication();
        auto table = std::make_unique<Table>(1);
        startAndPaint(table->window);
        state.PauseTiming();
        table.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ColdStartToFirstPaint)->Iterations(1)->Unit(benchmark::kMillisecond);

// A new window in a running application, up to its first paint.
void BM_WindowStartToFirstPaint(benchmark::State& state) {
    startApplication();
    uint32_t clock = 1;
    for (auto _ : state) {
        auto table = std::make_unique<Table>(clock++);
        startAndPaint(table->window);
        state.PauseTiming();
        table.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WindowStartToFirstPaint)->Unit(benchmark::kMillisecond);

// A fresh hand at the Genius level, shown and painted, with the human to act.
std::unique_ptr<Table> geniusHand(uint32_t clock) {
    auto table = std::make_unique<Table>(clock);
    table->window.startUp();
    Table& t = *table;
    t.window.table().toggleOptions();
    t.window.table().chooseLevel(3);
    t.window.table().closeOptions();
    t.window.bringUpToDate();
    t.window.show();
    waitForPaint(t.window);
    return table;
}

// The call before the flop is the slowest action: every opponent still in decides, each with
// 901 simulated deals, and the flop is turned up and painted.
void BM_GeniusCallClickToPaint(benchmark::State& state) {
    startApplication();
    uint32_t clock = 1;
    for (auto _ : state) {
        state.PauseTiming();
        auto table = geniusHand(clock++);
        auto* call = table->window.findChild<QPushButton*>("btnstay");
        state.ResumeTiming();
        call->click();
        waitForPaint(table->window);
        state.PauseTiming();
        table.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_GeniusCallClickToPaint)->Unit(benchmark::kMillisecond);

// The same calls straight to the engine, without the window's sync and paint: the difference
// is the window's share.
void BM_GeniusCallEngineOnly(benchmark::State& state) {
    startApplication();
    uint32_t clock = 1;
    for (auto _ : state) {
        state.PauseTiming();
        auto table = geniusHand(clock++);
        state.ResumeTiming();
        table->window.table().checkOrCall();
        state.PauseTiming();
        table.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_GeniusCallEngineOnly)->Unit(benchmark::kMillisecond);

// Returns once `widget` has been painted.
void waitForPaintOf(QWidget* widget) {
    struct PaintWatch : QObject {
        QEventLoop loop;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) loop.quit();
            return false;
        }
    } watch;
    widget->installEventFilter(&watch);
    QTimer::singleShot(5000, &watch.loop, &QEventLoop::quit);
    watch.loop.exec();
    widget->removeEventFilter(&watch);
}

// A session of 1000 hands, played once: the human calls each hand down or folds it, and starts
// a new game when one is over.
history::HandHistory& thousandHands() {
    static testing::TestHost host;
    static testing::MemoryStore store;
    static trelvist::Table table(host, store);
    static history::HandHistory history(scratch().filePath("history").toStdString(),
                                        [] { return int64_t{1796737501}; }, nullptr);
    if (!history.log().hands().empty()) return history;
    table.addObserver(history.log());
    table.startUp();
    while (history.log().hands().size() < 1000) {
        const bool fold = history.log().hands().size() % 3 == 0;
        for (int press = 0; table.view().checkOrCall.enabled; ++press)
            table.press({fold && press == 1 ? Control::Fold : Control::CheckOrCall});
        table.press({table.view().deal.enabled ? Control::Deal : Control::NewGame});
    }
    return history;
}

// The History window opened over 1000 hands, up to the first paint of the hand it shows.
void BM_HistoryWindowOpensWith1000Hands(benchmark::State& state) {
    startApplication();
    history::HandHistory& history = thousandHands();
    QWidget owner;
    owner.resize(1011, 659);
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<ui::HistoryWindow>(&owner, history);
        QWidget* shown = window->findChild<QPlainTextEdit*>("hand")->viewport();
        state.ResumeTiming();
        window->showAndRaise();
        waitForPaintOf(shown);
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
    state.counters["hands"] = static_cast<double>(history.log().hands().size());
}
BENCHMARK(BM_HistoryWindowOpensWith1000Hands)->Unit(benchmark::kMillisecond);

// The table's pictures drawn again for a new density: the 60 cards and the felt. The window
// itself draws each one only when it is first needed at a density.
void BM_DrawTablePictures(benchmark::State& state) {
    startApplication();
    const double scale = state.range(0) / 100.0;
    for (auto _ : state) {
        for (int i = 0; i < assets::kCardPictures; ++i) benchmark::DoNotOptimize(assets::cardPicture(i, scale));
        benchmark::DoNotOptimize(assets::feltTile(scale));
    }
}
BENCHMARK(BM_DrawTablePictures)->Arg(125)->Arg(150)->Arg(200)->Arg(300)->Unit(benchmark::kMillisecond);

// The three window pictures drawn again for a new density: the options panel's, the odds
// window's and the rules window's, each drawn by the window when it is next shown.
void BM_DrawWindowPictures(benchmark::State& state) {
    startApplication();
    const double scale = state.range(0) / 100.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(assets::panelPicture(scale));
        benchmark::DoNotOptimize(assets::oddsPicture(scale));
        benchmark::DoNotOptimize(assets::rulesPicture(scale));
    }
}
BENCHMARK(BM_DrawWindowPictures)->Arg(125)->Arg(150)->Arg(200)->Arg(300)->Unit(benchmark::kMillisecond);

// A zoom step of a dealt table, as a key or a dragged frame makes it: the widgets laid out at
// the new zoom, the felt and the cards on the table drawn for it, the table repainted. The
// steps go between 190 % and 200 %, so each one is a new density.
void BM_ZoomStep(benchmark::State& state) {
    startApplication();
    auto table = std::make_unique<Table>(1);
    startAndPaint(table->window);
    int zoom = 200;
    for (auto _ : state) {
        zoom = zoom == 200 ? 190 : 200;
        table->window.resize(windowAtZoom(zoom));
        waitForPaint(table->window);
    }
}
BENCHMARK(BM_ZoomStep)->Unit(benchmark::kMillisecond);

// A repaint of the whole window at a zoom, as an uncovered window or a resized one needs: the
// table redrawn from the game on the canvas, then every widget painted.
void BM_WindowRepaint(benchmark::State& state) {
    startApplication();
    auto table = std::make_unique<Table>(1, int(state.range(0)));
    startAndPaint(table->window);
    for (auto _ : state) {
        table->window.table().redraw();
        table->window.repaint();
    }
}
BENCHMARK(BM_WindowRepaint)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

// The canvas drawn whole from a view at a zoom: the felt and every card of a showdown, as a
// past moment shown again needs. Two views that differ in one card take turns, so that each
// one is drawn.
void BM_CanvasFromView(benchmark::State& state) {
    startApplication();
    auto table = std::make_unique<Table>(1, int(state.range(0)));
    startAndPaint(table->window);
    TableView views[2] = {table->window.table().view(), table->window.table().view()};
    for (int seat : kSeatOrder)
        for (int c = 0; c < 2; ++c) views[0].seats[seat].cards[c] = {CardFace::Up, seat * 6 + c};
    for (int i = 0; i < 5; ++i) views[0].board[i] = {CardFace::Up, 40 + i};
    views[1] = views[0];
    views[1].board[4] = {CardFace::Up, 51};
    ui::TableCanvas& canvas = table->window.canvas();
    int which = 0;
    for (auto _ : state) {
        canvas.show(views[which]);
        which ^= 1;
    }
}
BENCHMARK(BM_CanvasFromView)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace
