#include "ui/qt_host.h"

#include <QApplication>
#include <QDateTime>
#include <cstdio>

#include "ui/data_files.h"
#include "ui/message_boxes.h"
#include "ui/playback.h"
#include "ui/table_canvas.h"

namespace trelvist::ui {

namespace {
const QString kFelt = "texasbmp3.bmp";

QString qs(const std::string& text) { return QString::fromStdString(text); }
}  // namespace

QtHost::QtHost(TableCanvas& canvas, HostWindow& window, Playback& playback, HostHooks hooks)
    : canvas_(canvas), window_(window), playback_(playback), hooks_(std::move(hooks)) {
    if (!hooks_.beep) hooks_.beep = &QApplication::beep;
    if (!hooks_.clock) hooks_.clock = [] { return uint32_t(QDateTime::currentSecsSinceEpoch()); };
}

void QtHost::tableChanged(const TableView&, const TableChange& change) {
    if (change.kind != TableChange::Kind::Uncovered) return;
    playback_.run([this] {
        if (!canvas_.loadFelt(dataFile(kFelt))) hooks_.beep();
    });
}

void QtHost::playSound(const std::string& file) {
    playback_.run([this, file] {
        if (!sounds_.play(qs(file))) hooks_.beep();
    });
}

void QtHost::showMessage(const std::string& caption, const std::string& text) {
    runBox({BoxRequest::Kind::Message, qs(caption), qs(text)});
}

bool QtHost::askYesNo(const std::string& caption, const std::string& text) {
    return runBox({BoxRequest::Kind::Question, qs(caption), qs(text)});
}

void QtHost::reportError(const std::string& text) { runBox({BoxRequest::Kind::Error, QString(), qs(text)}); }

uint32_t QtHost::clock() { return hooks_.clock(); }

void QtHost::answerBoxesUnattended() {
    unattended_ = true;
    closeOpenBox();
}

bool QtHost::runBox(const BoxRequest& box) {
    const auto unattended = [&] {
        if (box.kind == BoxRequest::Kind::Error) std::fprintf(stderr, "trelvist: %s\n", qPrintable(box.text));
        return false;
    };
    if (unattended_) return unattended();
    // The box comes at its place in the playback, after what led to it.
    const Playback::Interruption waitForThePerson(playback_);
    if (unattended_) return unattended();  // the window closed while the playback led up to it
    window_.bringUpToDate();
    if (hooks_.answerBox) return hooks_.answerBox(box);
    QWidget* parent = window_.boxParent();
    switch (box.kind) {
    case BoxRequest::Kind::Message:
        showMessageBox(parent, box.caption, box.text);
        return false;
    case BoxRequest::Kind::Question:
        return askYesNoBox(parent, box.caption, box.text);
    case BoxRequest::Kind::Error:
        showErrorBox(parent, box.text);
        return false;
    }
    return false;
}

}  // namespace trelvist::ui
