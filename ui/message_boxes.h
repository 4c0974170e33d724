#pragma once
// The game's modal message boxes.
#include <QString>
#include <QWidget>

namespace trelvist::ui {

// A box with the text and one OK button.
void showMessageBox(QWidget* parent, const QString& caption, const QString& text);
// A box with Yes and No buttons, No the default; true for Yes.
bool askYesNoBox(QWidget* parent, const QString& caption, const QString& text);
// The application's error handler: the text of an error that ended a handler.
void showErrorBox(QWidget* parent, const QString& text);

// Closes the box showing now, the innermost one, as its default button would: OK, or No for a
// question. False when none of these boxes is showing.
bool closeOpenBox();

}  // namespace trelvist::ui
