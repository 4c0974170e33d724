#include "ui/controls.h"

#include "ui/contrast.h"

namespace trelvist::ui {

namespace {
// Above the 3 : 1 a greyed-out caption needs, with room for the face's shading.
constexpr double kDisabledContrast = 3.6;
}  // namespace

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QPoint pos,
                  const QFont& font, QColor colour) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setMargin(0);
    label->setTextFormat(Qt::PlainText);
    setTextColour(label, colour);
    label->move(pos);
    label->setText(text);
    label->adjustSize();
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                        const QFont& font, std::optional<QColor> face) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(font);
    button->setGeometry(geometry);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Active, QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Inactive, QPalette::ButtonText, Qt::black);
    if (face) palette.setColor(QPalette::Button, *face);
    // A disabled caption is grey, but one that can still be read.
    palette.setColor(QPalette::Disabled, QPalette::ButtonText,
                     greyReadableOn(palette.color(QPalette::Disabled, QPalette::Button), kDisabledContrast));
    button->setPalette(palette);
    return button;
}

void setCaption(QLabel* label, const QString& text) {
    if (label->text() == text) return;
    label->setText(text);
    label->adjustSize();
}

void setTextColour(QWidget* widget, QColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void setBackground(QWidget* widget, QColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

}  // namespace trelvist::ui
