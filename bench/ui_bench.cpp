// The window's speed: from the start of the program to the first paint of the table, and from
// a click to the repainted table for the slowest action at the Genius level.
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise (for instance
// QT_QPA_PLATFORM=xcb under xvfb-run, to include the X server's part).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "settings/ini_file.h"
#include "ui/look.h"
#include "ui/main_window.h"
#include "ui/table_canvas.h"

namespace {

using namespace trelvist;

QApplication* application = nullptr;

void startApplication() {
    if (application) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
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

// A window over fresh settings, with boxes answered at once and a fixed clock for the deal.
struct Table {
    explicit Table(uint32_t clock)
        : settings(dir.filePath("trelvist.ini").toStdString()),
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

}  // namespace
