#include "ui/table_zoom.h"

#include <QEvent>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>

#include "ui/table_canvas.h"
#include "ui/zoom.h"

namespace trelvist::ui {

namespace {

constexpr int kZoomSteps[] = {50, 67, 75, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};
// The smallest the table gets, in a window made smaller by hand or on a tiny screen.
constexpr int kSmallestZoom = 25;
// Until the window is first shown its frame is not known: room for a title bar and borders.
constexpr QMargins kAssumedFrame(8, 40, 8, 8);
// A frame being dragged is remembered once it has rested this long.
constexpr int kRestMs = 400;

QSize tableSize(int zoom) { return zoomed(QRect(QPoint(), TableCanvas::kClientSize), zoom / 100.0).size(); }

// The largest zoom at which the whole table fits `area`.
int fittingZoom(QSize area) {
    int zoom = kMaxZoom;
    while (zoom > kSmallestZoom && !QRect(QPoint(), area).contains(QRect(QPoint(), tableSize(zoom)))) --zoom;
    return zoom;
}

struct Command {
    const char* text;
    QKeySequence key;
    void (TableZoom::*action)();
};
const Command kCommands[] = {
    {"Zoom in", QKeySequence(Qt::CTRL | Qt::Key_Plus), &TableZoom::zoomIn},
    {"Zoom out", QKeySequence(Qt::CTRL | Qt::Key_Minus), &TableZoom::zoomOut},
    {"Actual size", QKeySequence(Qt::CTRL | Qt::Key_0), &TableZoom::resetZoom},
    {"Full screen", QKeySequence(Qt::Key_F11), &TableZoom::toggleFullScreen},
};

}  // namespace

TableZoom::TableZoom(QWidget& window, TableCanvas& canvas, WindowPrefs& prefs, std::function<void()> repaint,
                     std::function<void(const std::string&)> reportError)
    : window_(window), canvas_(canvas), prefs_(prefs), repaint_(std::move(repaint)),
      reportError_(std::move(reportError)), rememberedZoom_(prefs.zoom()), fullScreenAtStart_(prefs.fullScreen()) {
    window_.setMinimumSize(tableSize(kSmallestZoom));
    expectedSize_ = tableSize(rememberedZoom_);
    window_.resize(expectedSize_);
    layOut();
    window_.installEventFilter(this);
    window_.windowHandle()->installEventFilter(this);
    connect(window_.windowHandle(), &QWindow::screenChanged, this, &TableZoom::layOut);

    for (const Command& command : kCommands)
        connect(new QShortcut(command.key, &window_), &QShortcut::activated, this, command.action);
    // The plus key without Shift, as on most keyboards.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), &window_), &QShortcut::activated, this,
            &TableZoom::zoomIn);

    saveZoom_.setSingleShot(true);
    saveZoom_.setInterval(kRestMs);
    connect(&saveZoom_, &QTimer::timeout, this, &TableZoom::remember);
}

void TableZoom::addActionsTo(QMenu& menu) {
    menu.addSection(tr("Zoom"));
    for (const Command& command : kCommands) {
        QAction* action = menu.addAction(tr(command.text), this, command.action);
        // Shown beside the item; the window's own shortcuts do the work.
        action->setShortcut(command.key);
        action->setShortcutContext(Qt::WidgetShortcut);
    }
}

void TableZoom::showAtStart() {
    resizeTo(rememberedZoom_);
    // A top-level window is placed by the corner of its frame.
    const QRect free = window_.screen()->availableGeometry();
    const QSize framed = expectedSize_.grownBy(frameMargins());
    window_.move(free.topLeft() + QPoint((free.width() - framed.width()) / 2, (free.height() - framed.height()) / 2));
    checkOnScreen_ = true;
    if (fullScreenAtStart_) window_.showFullScreen();
    else window_.show();
    // Without a window manager nobody else gives the new window the keyboard.
    window_.activateWindow();
}

void TableZoom::zoomIn() {
    const int* next = std::upper_bound(std::begin(kZoomSteps), std::end(kZoomSteps), zoom_);
    // Up to the largest zoom the screen holds, never down.
    if (next != std::end(kZoomSteps) && largestFittingZoom() > zoom_) stepTo(*next);
}

void TableZoom::zoomOut() {
    const int* next = std::lower_bound(std::begin(kZoomSteps), std::end(kZoomSteps), zoom_);
    if (next != std::begin(kZoomSteps)) stepTo(*(next - 1));
}

void TableZoom::resetZoom() { stepTo(100); }

void TableZoom::stepTo(int zoom) {
    // A maximised or full-screen window already shows the table as large as it can.
    if (window_.windowState() != Qt::WindowNoState) return;
    const int fitted = resizeTo(zoom);
    saveZoom_.stop();
    if (fitted == rememberedZoom_) return;
    rememberedZoom_ = fitted;
    write([&] { prefs_.setZoom(fitted); });
}

void TableZoom::toggleFullScreen() {
    const bool full = !window_.isFullScreen();
    // The sizes the window takes on its way into or out of full screen are not the player's.
    saveZoom_.stop();
    if (full) window_.showFullScreen();
    else window_.showNormal();
    write([&] { prefs_.setFullScreen(full); });
}

bool TableZoom::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Resize) layOut();
    if (watched == &window_ && event->type() == QEvent::Close && saveZoom_.isActive()) {
        saveZoom_.stop();
        remember();
    }
    if (watched == window_.windowHandle() && event->type() == QEvent::Expose && checkOnScreen_ &&
        window_.windowHandle()->isExposed()) {
        checkOnScreen_ = false;
        keepOnScreen();
    }
    return QObject::eventFilter(watched, event);
}

void TableZoom::layOut() {
    const QSize area = window_.size();
    zoom_ = fittingZoom(area);
    const QSize table = tableSize(zoom_);
    const QPoint origin((area.width() - table.width()) / 2, (area.height() - table.height()) / 2);
    applyZoom(&window_, zoom_ / 100.0, origin);
    // Scales are compared, so they are kept to a thousandth.
    const double scale = std::round(zoom_ * window_.devicePixelRatioF() * 10) / 1000;
    if (scale != canvas_.scale()) {
        canvas_.setScale(scale);
        if (window_.isVisible()) repaint_();
    }
    // A size the player gave the window by its frame is remembered once the frame rests; a
    // full-screen or maximised window's size is the screen's.
    if (area != expectedSize_ && window_.windowState() == Qt::WindowNoState) saveZoom_.start();
}

int TableZoom::resizeTo(int zoom) {
    const int fitted = std::max(kSmallestZoom, std::min(zoom, largestFittingZoom()));
    expectedSize_ = tableSize(fitted);
    window_.resize(expectedSize_);
    return fitted;
}

int TableZoom::largestFittingZoom() const {
    const QRect free = window_.screen()->availableGeometry();
    return fittingZoom(free.size().shrunkBy(frameMargins()));
}

QMargins TableZoom::frameMargins() const {
    const QMargins frame = window_.windowHandle()->frameMargins();
    return frame.isNull() && !window_.isVisible() ? kAssumedFrame : frame;
}

void TableZoom::keepOnScreen() {
    if (window_.windowState() != Qt::WindowNoState) return;
    const QRect free = window_.screen()->availableGeometry();
    const QRect frame = window_.frameGeometry();
    if (free.contains(frame)) return;
    resizeTo(zoom_);
    const QSize framed = expectedSize_.grownBy(frameMargins());
    const auto within = [](int at, int length, int start, int room) {
        return std::clamp(at, start, start + std::max(0, room - length));
    };
    window_.move(within(frame.left(), framed.width(), free.left(), free.width()),
                 within(frame.top(), framed.height(), free.top(), free.height()));
}

void TableZoom::remember() {
    // Only a window in its normal state at a size of the player's making: full screen,
    // maximised and the sizes the zoom steps asked for are not.
    if (window_.windowState() != Qt::WindowNoState || window_.size() == expectedSize_ || zoom_ == rememberedZoom_)
        return;
    rememberedZoom_ = zoom_;
    write([&] { prefs_.setZoom(zoom_); });
}

void TableZoom::write(const std::function<void()>& store) {
    try {
        store();
    } catch (const SettingsWriteError& error) {
        // Once is enough: a dragged frame would otherwise say it again and again.
        if (writeFailed_) return;
        writeFailed_ = true;
        reportError_(error.what());  // the zoom holds for this session all the same
    }
}

}  // namespace trelvist::ui
