#include "ui/styles_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "game/seats.h"

namespace trelvist::ui {

StylesDialog::StylesDialog(QWidget* parent, const OpponentStyles& current) : QDialog(parent) {
    setObjectName("StylesDialog");
    setWindowTitle(tr("Opponents"));
    auto* form = new QFormLayout;
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        const QString seat = QString::fromLatin1(kSeatName[kOpponents[i]]);
        auto* list = new QComboBox(this);
        list->setObjectName(seat + "Style");
        for (const char* style : kStyleNames) list->addItem(tr(style));
        list->setCurrentIndex(styleFromStored(current[i]));
        list->setAccessibleName(tr("%1's style").arg(seat));
        auto* label = new QLabel(seat + ":", this);
        label->setBuddy(list);
        form->addRow(label, list);
        lists_[i] = list;
    }
    // Escape and Cancel leave the line-up as it was.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(tr("Pick how each opponent plays."), this);
    layout->addWidget(note);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

OpponentStyles StylesDialog::chosen() const {
    OpponentStyles styles{};
    for (std::size_t i = 0; i < lists_.size(); ++i) styles[i] = lists_[i]->currentIndex();
    return styles;
}

}  // namespace trelvist::ui
