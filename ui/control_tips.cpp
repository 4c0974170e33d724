#include "ui/control_tips.h"

namespace trelvist::ui {

QString whatItDoes(Control control) {
    switch (control) {
    case Control::Deal: return "Deal the next hand";
    case Control::CheckOrCall: return "Check, or call the bet";
    case Control::Raise: return "Raise by one bet";
    case Control::Fold: return "Fold your hand";
    case Control::NewGame: return "Start a new game";
    case Control::Options: return "Show or hide the options";
    case Control::Advice: return "Rate your hand";
    case Control::Rules: return "The rules of the game";
    case Control::Stats: return "Your statistics";
    default: return {};
    }
}

void describeButton(QAbstractButton* button, const QString& whatItDoes, const QKeySequence& key) {
    const QString what = whatItDoes.isEmpty() ? button->text() : whatItDoes;
    const QString tip = QString("%1 (%2)").arg(what, key.toString(QKeySequence::NativeText));
    button->setToolTip(tip);
    button->setAccessibleDescription(tip);
}

}  // namespace trelvist::ui
