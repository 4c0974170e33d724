// The desktop game: one window with the table, started from the stored game.
#include <cstdio>

#include "app/application.h"
#include "app/command_line.h"
#include "app/display_check.h"
#include "settings/ini_file.h"
#include "settings/settings_path.h"
#include "ui/look.h"
#include "ui/main_window.h"

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

    IniFile settings(defaultSettingsPath());
    ui::MainWindow window(settings);
    window.startUp();
    window.showCentred();
    return application.exec();
}
