#pragma once
// The small dialog that picks each opponent's playing style, one list a seat.
#include <QComboBox>
#include <QDialog>
#include <array>

#include "game/lineup.h"

namespace trelvist::ui {

class StylesDialog : public QDialog {
    Q_OBJECT
public:
    // Opens on `current`, the seven opponents' styles in the order of play.
    StylesDialog(QWidget* parent, const OpponentStyles& current);

    OpponentStyles chosen() const;

private:
    std::array<QComboBox*, 7> lists_{};
};

}  // namespace trelvist::ui
