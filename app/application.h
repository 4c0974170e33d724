#pragma once
// The application object, with the game's top-level error handler: an error that escapes an
// event handler is shown in a message box, and the program goes on.
#include <QApplication>

namespace trelvist::app {

class Application : public QApplication {
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace trelvist::app
