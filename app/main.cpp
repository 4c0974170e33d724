// The desktop game: one window with the table, started from the stored game.
#include <cstdio>
#include <string>

#include "app/application.h"
#include "app/command_line.h"
#include "app/display_check.h"
#include "settings/game_lock.h"
#include "settings/ini_file.h"
#include "settings/settings_path.h"
#include "ui/look.h"
#include "ui/main_window.h"
#include "ui/message_boxes.h"

int main(int argc, char** argv) {
    using namespace trelvist;
    if (const auto exitCode = app::answerCommandLine(argc, argv)) return *exitCode;
    if (!app::displayAvailable()) {
        std::fputs("trelvist: no display to open the window on (DISPLAY is not set); "
                   "start it in a desktop session, or headless with: xvfb-run trelvist\n",
                   stderr);
        return 1;
    }
    app::Application application(argc, argv);
    QApplication::setApplicationName("trelvist");
    QApplication::setApplicationDisplayName("Trelvist");
    QApplication::setDesktopFileName("org.example.Trelvist");
    ui::applyGameLook();

    // One game per settings file: a second one would write over the first one's cash.
    const std::string settingsPath = defaultSettingsPath();
    const SingleInstanceLock gameLock = tryLockGame(settingsPath);
    if (gameLock.state() == SingleInstanceLock::State::HeldElsewhere) {
        const char* text = "Trelvist is already running with this settings file.";
        std::fprintf(stderr, "trelvist: %s\n", text);
        ui::showMessageBox(nullptr, QApplication::applicationDisplayName(), text);
        return 1;
    }
    IniFile settings(settingsPath);
    ui::MainWindow window(settings);
    // Once, before the first hand: a lock that cannot be taken, or one that other names of the
    // file pass by, leaves a second game free to run on the same chips.
    if (!gameLock.unguarded().empty()) window.host().showMessage("Settings file", gameLock.unguarded());
    if (!window.startUp()) return 0;  // closed in a box of the start-up, which has finished
    window.showCentred();
    return application.exec();
}
