#include "ui/blocked_close.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>

namespace trelvist::ui {

namespace {
uint32_t atom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, static_cast<uint16_t>(qstrlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const uint32_t found = reply ? reply->atom : 0;
    free(reply);
    return found;
}
}  // namespace

BlockedCloseWatch::BlockedCloseWatch(QWidget* window) : QObject(window), window_(window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return;  // another platform, or a test's offscreen one
    protocolsAtom_ = atom(x11->connection(), "WM_PROTOCOLS");
    deleteAtom_ = atom(x11->connection(), "WM_DELETE_WINDOW");
    qGuiApp->installNativeEventFilter(this);
}

BlockedCloseWatch::~BlockedCloseWatch() {
    if (deleteAtom_) qGuiApp->removeNativeEventFilter(this);
}

bool BlockedCloseWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE) return false;
    const auto* client = static_cast<const xcb_client_message_event_t*>(message);
    if (client->format == 32 && client->type == protocolsAtom_ && client->data.data32[0] == deleteAtom_ &&
        window_->internalWinId() == client->window)
        emit closeAsked();
    return false;  // Qt goes on with the request as it would without the watch
}

}  // namespace trelvist::ui
