#pragma once
// The close button of a window that a modal box blocks. Qt drops that request while the box is up,
// so a press waiting in one of the game's boxes could never be closed from the table; this watch
// hears the request before Qt drops it. It works where windows are X11 windows, and stays silent
// elsewhere.
#include <QAbstractNativeEventFilter>
#include <QObject>
#include <cstdint>

class QWidget;

namespace trelvist::ui {

class BlockedCloseWatch : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    explicit BlockedCloseWatch(QWidget* window);
    ~BlockedCloseWatch() override;
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
    // The window's close button was pressed, whether or not a box blocks the window.
    void closeAsked();

private:
    QWidget* window_;
    uint32_t protocolsAtom_ = 0, deleteAtom_ = 0;
};

}  // namespace trelvist::ui
