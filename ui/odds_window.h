#pragma once
// The odds window: the rating of the human's hand, placed by its length.
#include <QLabel>

#include "ui/fixed_dialog.h"

namespace trelvist::ui {

class OddsWindow : public FixedDialog {
    Q_OBJECT
public:
    explicit OddsWindow(QWidget* owner);

    void showOdds(const QString& text, int left);

private:
    QLabel* rating_;
};

}  // namespace trelvist::ui
