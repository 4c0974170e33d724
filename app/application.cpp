#include "app/application.h"

#include <exception>

#include "ui/message_boxes.h"

namespace trelvist::app {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ui::showErrorBox(activeWindow(), QString::fromUtf8(error.what()));
    }
    return false;
}

}  // namespace trelvist::app
