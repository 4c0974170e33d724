#include "ui/fixed_dialog.h"

#include "ui/controls.h"

namespace trelvist::ui {

FixedDialog::FixedDialog(QWidget* owner, const char* name, QSize client, QColor colour,
                         Qt::WindowFlags frame)
    : QDialog(owner, frame) {
    setObjectName(name);
    setFixedSize(client);
    setBackground(this, colour);
}

void FixedDialog::runCentred() {
    const QWidget* owner = parentWidget();
    const QPoint centre = owner->mapToGlobal(owner->rect().center());
    setGeometry(QRect(centre - rect().center(), size()));  // the client area, not the frame
    exec();
}

}  // namespace trelvist::ui
