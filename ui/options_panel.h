#pragma once
// The options panel inside the main window. It keeps no values of its own: it shows the
// panel part of the table's view and reports every use of its controls.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "game/table_view.h"
#include "ui/radio_group.h"

namespace trelvist::ui {

class OptionsPanel : public QWidget {
    Q_OBJECT
public:
    explicit OptionsPanel(QWidget* parent);

    void showPanel(const PanelView& panel);

    // The first and last controls of the panel's tab order.
    QWidget* firstInTabOrder() const;
    QWidget* lastInTabOrder() const;

signals:
    void moneyEdited(const QString& text);
    void untilEdited(const QString& text);
    void moneyEntered();
    void untilEntered();
    void betArrowPressed(bool rightArrow);
    void cardBackClicked(int item);
    void levelClicked(int item);
    void soundClicked();
    void lineupChosen(int item);  // classic, mixed or random
    void stylesWanted();          // the player wants to pick each seat's style
    void okClicked();

protected:
    // Escape closes the panel as its Ok button does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLineEdit* makeEdit(const char* name, QRect geometry);

    QLineEdit* money_;
    QLineEdit* until_;
    QPushButton* sound_;
    QPushButton* ok_;
    QComboBox* lineup_;
    QLabel* smallBet_;
    QLabel* bigBet_;
    RadioGroup* levels_;
    RadioGroup* cardBacks_;
};

}  // namespace trelvist::ui
