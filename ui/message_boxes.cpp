#include "ui/message_boxes.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace trelvist::ui {

namespace {
// Boxes without a caption of their own carry the program's name, as its error boxes do.
QString captionOrName(const QString& caption) {
    return caption.isEmpty() ? QGuiApplication::applicationDisplayName() : caption;
}

int runBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text,
           QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, captionOrName(caption), text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return box.exec();
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

}  // namespace trelvist::ui
