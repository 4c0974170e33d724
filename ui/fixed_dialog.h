#pragma once
// The base of the game's small modal windows: a fixed client size and colour, created once
// and shown modally over the centre of the window that owns it.
#include <QDialog>

namespace trelvist::ui {

class FixedDialog : public QDialog {
    Q_OBJECT
public:
    FixedDialog(QWidget* owner, const char* name, QSize client, QColor colour,
                Qt::WindowFlags frame);

    // Shows the window modally, centred on its owner, and returns when it is closed.
    void runCentred();
};

}  // namespace trelvist::ui
