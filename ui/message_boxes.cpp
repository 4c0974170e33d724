#include "ui/message_boxes.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <utility>

namespace trelvist::ui {

namespace {
QPointer<QMessageBox> openBox;  // the innermost box showing

// Boxes without a caption of their own carry the program's name, as its error boxes do.
QString captionOrName(const QString& caption) {
    return caption.isEmpty() ? QGuiApplication::applicationDisplayName() : caption;
}

int runBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text,
           QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, captionOrName(caption), text, buttons, parent);
    box.setDefaultButton(defaultButton);
    const QPointer<QMessageBox> outer = std::exchange(openBox, &box);
    const int answer = box.exec();
    openBox = outer;
    return answer;
}
}  // namespace

void showMessageBox(QWidget* parent, const QString& caption, const QString& text) {
    runBox(parent, QMessageBox::NoIcon, caption, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool askYesNoBox(QWidget* parent, const QString& caption, const QString& text) {
    // The questions guard against wiping something, so Enter alone must not answer Yes.
    return runBox(parent, QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                  QMessageBox::No) == QMessageBox::Yes;
}

void showErrorBox(QWidget* parent, const QString& text) {
    runBox(parent, QMessageBox::Critical, QString(), text, QMessageBox::Ok, QMessageBox::Ok);
}

bool closeOpenBox() {
    if (!openBox || !openBox->defaultButton()) return false;
    openBox->defaultButton()->click();
    return true;
}

}  // namespace trelvist::ui
