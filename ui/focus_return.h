#pragma once
// When a modal window, a message box or a window of its own (the hand history) closes, the
// main window takes the keyboard back itself. A window manager usually hands it back; without
// one, the keys of the game would do nothing until the table was clicked.
#include <QObject>

class QWidget;

namespace trelvist::ui {

class FocusReturn : public QObject {
    Q_OBJECT
public:
    // Watches every window of the application for `window`.
    explicit FocusReturn(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void takeFocus();

    QWidget& window_;
};

}  // namespace trelvist::ui
