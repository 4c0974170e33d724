#include "ui/table_description.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStringList>
#include <span>

#include "game/seats.h"
#include "ui/table_canvas.h"

namespace trelvist::ui {

namespace {

QStringList cardNames(std::span<const ShownCard> cards) {
    QStringList names;
    for (const ShownCard& card : cards)
        if (card.face != CardFace::None) names << cardName(card.picture);
    return names;
}

QString seatCards(const SeatView& seat) {
    const QStringList names = cardNames(seat.cards);
    if (names.isEmpty()) return "no cards";
    if (names.count("face down") == names.size()) return "cards face down";
    return "cards " + names.join(", ");
}

QString boardCards(const TableView& view) {
    const QStringList names = cardNames(view.board);
    return names.isEmpty() ? "no cards" : names.join(", ");
}

QString seatLine(const TableView& view, int seat) {
    const SeatView& shown = view.seats[seat];
    QStringList parts{QString::fromStdString(shown.cash)};
    if (!shown.status.text.empty()) parts << QString::fromStdString(shown.status.text);
    if (seat != You) parts << seatCards(shown);
    return QString("%1: %2").arg(kSeatName[seat], parts.join(", "));
}

QAccessibleInterface* tableInterface(const QString& className, QObject* object) {
    if (className != TableCanvas::staticMetaObject.className() || !object->isWidgetType()) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
}

}  // namespace

QString cardName(int picture) {
    static const char* const kRanks[] = {"Two", "Three", "Four", "Five", "Six", "Seven", "Eight",
                                         "Nine", "Ten", "Jack", "Queen", "King", "Ace"};
    static const char* const kSuits[] = {"clubs", "diamonds", "hearts", "spades"};
    if (picture < 0 || picture >= kDeckSize) return "face down";
    const Card card = cardOfPicture(picture);
    return QString("%1 of %2").arg(kRanks[card.rank], kSuits[card.suit]);
}

QString describeTable(const TableView& view) {
    const QStringList yours = cardNames(view.seats[You].cards);
    QStringList lines{"Your cards: " + (yours.isEmpty() ? QString("none") : yours.join(", ")),
                      "Board: " + boardCards(view)};
    for (int seat : kSeatOrder) lines << seatLine(view, seat);
    lines << "Pot: " + QString::fromStdString(view.pot);
    if (!view.result.text.empty()) lines << "Result: " + QString::fromStdString(view.result.text);
    return lines.join('\n');
}

void makeAccessible(TableCanvas& canvas) {
    static const bool installed = (QAccessible::installFactory(&tableInterface), true);
    Q_UNUSED(installed);
    canvas.setAccessibleName("Table");
    canvas.setFocusPolicy(Qt::TabFocus);
    // Last in the window's Tab order, after the buttons.
    QWidget* window = canvas.window();
    QWidget* last = nullptr;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if (w != &canvas && w->window() == window && (w->focusPolicy() & Qt::TabFocus)) last = w;
    if (last) QWidget::setTabOrder(last, &canvas);
}

void describe(TableCanvas& canvas, const TableView& view) {
    const QString text = describeTable(view);
    if (canvas.accessibleDescription() != text) canvas.setAccessibleDescription(text);
}

}  // namespace trelvist::ui
