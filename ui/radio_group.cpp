#include "ui/radio_group.h"

namespace trelvist::ui {

namespace {
// The items share the height below the frame's top edge evenly.
constexpr int kFrameTop = 12;
constexpr int kFrameBottom = 4;
constexpr int kItemLeft = 8;
}  // namespace

RadioGroup::RadioGroup(QWidget* parent, const char* name, const QStringList& items,
                       QRect geometry)
    : QGroupBox(parent) {
    setObjectName(name);
    setGeometry(geometry);
    const int rowHeight = (geometry.height() - kFrameTop - kFrameBottom) / int(items.size());
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        button->setObjectName(QStringLiteral("%1Item%2").arg(name).arg(i));
        button->setGeometry(kItemLeft, kFrameTop + i * rowHeight, geometry.width() - 2 * kItemLeft,
                            rowHeight);
        buttons_.addButton(button, i);
    }
    connect(&buttons_, &QButtonGroup::idClicked, this, &RadioGroup::itemClicked);
}

void RadioGroup::select(int item) {
    if (QRadioButton* button = this->item(item)) {
        button->setChecked(true);
    } else if (QAbstractButton* checked = buttons_.checkedButton()) {
        // An exclusive group cannot uncheck its last item by itself.
        buttons_.setExclusive(false);
        checked->setChecked(false);
        buttons_.setExclusive(true);
    }
}

void RadioGroup::setAccessibleTitle(const QString& title) {
    setAccessibleName(title);
    for (QAbstractButton* button : buttons_.buttons()) button->setAccessibleName(title + " " + button->text());
}

QRadioButton* RadioGroup::item(int index) const {
    return qobject_cast<QRadioButton*>(buttons_.button(index));
}

}  // namespace trelvist::ui
