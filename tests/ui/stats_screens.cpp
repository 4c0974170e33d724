// stats_screens WHAT [HISTORY_DIR]: shows the game with the statistics of the history files of
// HISTORY_DIR (none without it), read by the game as at a first start, for screenshots taken
// from outside (Xvfb and `import -window root`); run by hand, not a test. WHAT is hud (the
// table with the seats' statistics), overview, seats, charts or hands (the Charts tab scrolled
// to the starting hands); opponents shows a mixed line-up with the styles shown and the
// options panel open, styles the dialog that picks each seat's style.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "settings/ini_file.h"
#include "settings/settings_path.h"
#include "ui/look.h"
#include "ui/main_window.h"
#include "ui/starting_hand_grid.h"
#include "ui/stats_window.h"

using namespace trelvist;
using namespace trelvist::ui;

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList tabs{"overview", "seats", "charts", "hands"};
    const QString what = argc > 1 ? argv[1] : "";
    const QStringList tables{"hud", "opponents", "styles"};
    if (argc < 2 || argc > 3 || (!tables.contains(what) && !tabs.contains(what))) {
        std::fputs("usage: stats_screens hud|overview|seats|charts|hands|opponents|styles [HISTORY_DIR]\n", stderr);
        return 2;
    }
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
    qputenv("XDG_DATA_HOME", dir.filePath("data").toUtf8());
    const QString history = QString::fromStdString(defaultHistoryFolder());
    QDir().mkpath(history);
    if (argc == 3)
        for (const QFileInfo& file : QDir(argv[2]).entryInfoList({"trelvist-*.txt"}, QDir::Files))
            QFile::copy(file.filePath(), history + "/" + file.fileName());
    const QString path = QString::fromStdString(defaultSettingsPath());
    QDir().mkpath(QFileInfo(path).path());
    IniFile settings(path.toStdString());
    if (what == "opponents" || what == "styles") settings.writeInt("Opponents", "lineup", 1);
    applyGameLook();
    MainWindow window(settings, {.answerBox = [](const BoxRequest&) { return true; },
                                 .beep = [] {},
                                 .clock = [] { return uint32_t{2}; }});
    window.startUp();
    window.setSeatStatistics(true);
    window.showCentred();
    if (what == "opponents" || what == "styles") {
        window.setShowStyles(true);
        QTimer::singleShot(300, &window, [&window, what] {
            window.findChild<QPushButton*>("dxButton6")->click();
            if (what == "styles") emit window.findChild<QComboBox*>("Opponents")->activated(3);
        });
    } else if (what != "hud") {
        auto* stats = window.findChild<StatsWindow*>("TStatistics");
        stats->tabs()->setCurrentIndex(std::min<int>(tabs.indexOf(what), 2));
        QTimer::singleShot(300, &window, [&window] { window.findChild<QPushButton*>("btnstats")->click(); });
        if (what == "hands")
            QTimer::singleShot(800, stats, [stats] {
                stats->findChild<QScrollArea*>()->ensureWidgetVisible(stats->findChild<StartingHandGrid*>());
            });
    }
    return application.exec();
}
