#include "ui/history_window.h"

#include <QFontDatabase>
#include <QPointer>
#include <QSplitter>
#include <QVBoxLayout>

#include "history/hand_text.h"
#include "ui/controls.h"
#include "ui/fonts.h"

namespace trelvist::ui {

namespace {
QString qs(const std::string& text) { return QString::fromStdString(text); }
}  // namespace

HistoryWindow::HistoryWindow(QWidget* owner, history::HandHistory& history)
    : QWidget(owner, Qt::Window), history_(history) {
    setObjectName("THistory");
    setWindowTitle("Hand history");
    resize(760, 520);
    setBackground(this, QColor(9, 6, 87));

    list_ = new QListWidget;
    list_->setObjectName("hands");
    list_->setUniformItemSizes(true);
    list_->setFont(pixelFont("Verdana", 12));
    text_ = new QPlainTextEdit;
    text_->setObjectName("hand");
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* split = new QSplitter;
    split->addWidget(list_);
    split->addWidget(text_);
    split->setSizes({250, 510});
    status_ = makeLabel(this, "status", "", {}, pixelFont("Verdana", 12));
    status_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split, 1);
    layout->addWidget(status_);

    connect(list_, &QListWidget::currentRowChanged, this, &HistoryWindow::showChosenHand);
    // While hidden the window does nothing; it catches up when shown. The log keeps every
    // subscriber for good, and a window may be destroyed before the log is.
    history_.log().onChanged([window = QPointer<HistoryWindow>(this)] {
        if (window && window->isVisible()) window->catchUp();
    });
}

void HistoryWindow::showAndRaise() {
    if (!placed_) {
        const QWidget* owner = parentWidget();
        move(owner->mapToGlobal(owner->rect().center()) - rect().center());
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

void HistoryWindow::showEvent(QShowEvent* event) {
    catchUp();
    QWidget::showEvent(event);
}

const history::HandRecord& HistoryWindow::handAt(int row) const {
    return history_.log().hands()[listed_ - 1 - static_cast<size_t>(row)];
}

void HistoryWindow::catchUp() {
    const QSignalBlocker quiet(list_);  // the chosen hand is shown below, once the list is whole
    const std::vector<history::HandRecord>& hands = history_.log().hands();
    // Only the newest hand listed can have changed since: every older one was settled or left.
    const size_t changedFrom = listed_ > 0 ? listed_ - 1 : 0;
    const int chosen = list_->currentRow();
    const bool followNewest = chosen <= 0;
    for (; listed_ < hands.size(); ++listed_) list_->insertItem(0, QString());
    for (size_t i = changedFrom; i < hands.size(); ++i)
        list_->item(static_cast<int>(hands.size() - 1 - i))->setText(qs(history::handTitle(hands[i])));

    if (followNewest && !hands.empty()) list_->setCurrentRow(0);
    const int row = list_->currentRow();
    if (row >= 0 && listed_ - 1 - static_cast<size_t>(row) >= changedFrom) showChosenHand();

    status_->setText(qs(!history_.refusal().empty() ? history_.refusal()
                        : history_.lastFile().empty() ? "Finished hands are written to " + history_.folder()
                                                      : "Hands are written to " + history_.lastFile()));
}

void HistoryWindow::showChosenHand() {
    const int row = list_->currentRow();
    if (row < 0) return text_->clear();
    const history::HandRecord& hand = handAt(row);
    text_->setPlainText(qs(history::handText(hand)));
    // A hand in play is followed at its newest line.
    if (hand.state == history::HandState::InProgress) text_->moveCursor(QTextCursor::End);
}

}  // namespace trelvist::ui
