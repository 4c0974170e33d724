#pragma once
// Builders for the labels and push buttons every window of the game is made of.
#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPoint>
#include <QPushButton>
#include <QRect>
#include <optional>

namespace trelvist::ui {

// A transparent label that sizes itself to its text, with its top-left corner at `pos`.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QPoint pos,
                  const QFont& font, QColor colour = Qt::white);

// A push button at a fixed place; `face` colours its face, the text is black.
QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                        const QFont& font, std::optional<QColor> face = std::nullopt);

// Sets a label's text and keeps it sized to the text, as labels of this game are.
void setCaption(QLabel* label, const QString& text);

void setTextColour(QWidget* widget, QColor colour);

// Fills a widget with a plain colour behind its children.
void setBackground(QWidget* widget, QColor colour);

}  // namespace trelvist::ui
