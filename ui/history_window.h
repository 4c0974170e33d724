#pragma once
// The hand log on screen: this session's hands, newest first, the hand in progress at the top
// and growing as it is played, with the chosen hand written out beside the list. Not modal:
// the game goes on while it is open.
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QWidget>

#include "history/hand_history.h"

namespace trelvist::ui {

class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    // Follows `history` from now on; both live as long as the main window.
    HistoryWindow(QWidget* owner, history::HandHistory& history);

    // Shows the window over the table the first time, where it was left afterwards, and
    // brings it to the front.
    void showAndRaise();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Brings the list, the shown hand and the status line up to the log.
    void catchUp();
    void showChosenHand();
    const history::HandRecord& handAt(int row) const;

    history::HandHistory& history_;
    QListWidget* list_;
    QPlainTextEdit* text_;
    QLabel* status_;
    size_t listed_ = 0;  // hands in the list
    bool placed_ = false;
};

}  // namespace trelvist::ui
