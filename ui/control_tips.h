#pragma once
// What a button of the table does and which key does it too: its tooltip, and the description
// a screen reader gives, such as "Deal the next hand (D)".
#include <QAbstractButton>
#include <QKeySequence>

#include "game/controls.h"

namespace trelvist::ui {

void describeButton(QAbstractButton* button, Control control, const QKeySequence& key);

}  // namespace trelvist::ui
