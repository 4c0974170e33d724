#include "ui/qt_host.h"

#include <QApplication>
#include <QDateTime>

#include "ui/data_files.h"
#include "ui/main_window.h"
#include "ui/message_boxes.h"
#include "ui/table_canvas.h"

namespace trelvist::ui {

namespace {
const QString kFelt = "texasbmp3.bmp";

QString qs(const std::string& text) { return QString::fromStdString(text); }
}  // namespace

QtHost::QtHost(MainWindow& window)
    : window_(window),
      beep_(&QApplication::beep),
      clock_([] { return uint32_t(QDateTime::currentSecsSinceEpoch()); }) {}

void QtHost::paintBackground() {
    if (!window_.canvas().paintFelt(dataFile(kFelt))) beep_();
}

void QtHost::eraseArea(Rect area) {
    window_.canvas().erase(
        QRect(area.left, area.top, area.right - area.left, area.bottom - area.top));
}

void QtHost::drawCard(int picture, int x, int y) { window_.canvas().drawCard(picture, x, y); }

void QtHost::trimCorners(int x, int y, bool keepTopLeft) {
    window_.canvas().trimCorners(x, y, keepTopLeft);
}

void QtHost::playSound(const std::string& file) {
    if (!sounds_.play(qs(file))) beep_();
}

void QtHost::showMessage(const std::string& caption, const std::string& text) {
    runBox({BoxRequest::Kind::Message, qs(caption), qs(text)});
}

bool QtHost::askYesNo(const std::string& caption, const std::string& text) {
    return runBox({BoxRequest::Kind::Question, qs(caption), qs(text)});
}

void QtHost::reportError(const std::string& text) {
    runBox({BoxRequest::Kind::Error, QString(), qs(text)});
}

void QtHost::showWindow(ModalWindow window) {
    window_.sync();
    window_.showModal(window);
}

uint32_t QtHost::clock() { return clock_(); }

bool QtHost::runBox(const BoxRequest& box) {
    window_.sync();
    if (boxHook_) return boxHook_(box);
    switch (box.kind) {
    case BoxRequest::Kind::Message:
        showMessageBox(&window_, box.caption, box.text);
        return false;
    case BoxRequest::Kind::Question:
        return askYesNoBox(&window_, box.caption, box.text);
    case BoxRequest::Kind::Error:
        showErrorBox(&window_, box.text);
        return false;
    }
    return false;
}

}  // namespace trelvist::ui
