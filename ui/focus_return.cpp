#include "ui/focus_return.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace trelvist::ui {

FocusReturn::FocusReturn(QWidget& window) : QObject(&window), window_(window) {
    qApp->installEventFilter(this);
}

bool FocusReturn::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched->isWidgetType()) {
        const auto* closed = static_cast<QWidget*>(watched);
        // Menus never take the keyboard from the window.
        const bool tookKeyboard = closed->isWindow() && closed->windowType() != Qt::Popup &&
                                  (closed->isModal() || closed->parentWidget() == &window_);
        // Once the hiding is over, and only if no other modal window took its place.
        if (closed != &window_ && tookKeyboard) QTimer::singleShot(0, this, &FocusReturn::takeFocus);
    }
    return QObject::eventFilter(watched, event);
}

void FocusReturn::takeFocus() {
    if (QApplication::activeModalWidget() || !window_.isVisible()) return;
    window_.activateWindow();
}

}  // namespace trelvist::ui
