#pragma once
// What a button of the table does and which key does it too: its tooltip, and the description
// a screen reader gives, such as "Deal the next hand (D)".
#include <QAbstractButton>
#include <QKeySequence>
#include <QString>

#include "game/controls.h"

namespace trelvist::ui {

// What pressing the control does, in a few words.
QString whatItDoes(Control control);

void describeButton(QAbstractButton* button, const QString& whatItDoes, const QKeySequence& key);

}  // namespace trelvist::ui
