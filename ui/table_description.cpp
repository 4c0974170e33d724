#include "ui/table_description.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStringList>

#include "game/seats.h"
#include "ui/table_canvas.h"

namespace trelvist::ui {

namespace {

QString seatCards(const VisibleCards& cards, int seat) {
    QStringList names;
    for (int card = 0; card < 2; ++card)
        if (cards.hole(seat, card) != VisibleCards::kNone) names << cardName(cards.hole(seat, card));
    if (names.isEmpty()) return "no cards";
    if (names.count("face down") == names.size()) return "cards face down";
    return "cards " + names.join(", ");
}

QString boardCards(const VisibleCards& cards) {
    QStringList names;
    for (int i = 0; i < VisibleCards::kBoardCards; ++i)
        if (cards.board(i) != VisibleCards::kNone) names << cardName(cards.board(i));
    return names.isEmpty() ? "no cards" : names.join(", ");
}

QString seatLine(const Display& display, const VisibleCards& cards, int seat) {
    QStringList parts{QString::fromStdString(display.cashLabel[seat])};
    if (!display.status[seat].text.empty()) parts << QString::fromStdString(display.status[seat].text);
    if (seat != You) parts << seatCards(cards, seat);
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

QString describeTable(const Display& display, const VisibleCards& cards) {
    QStringList yours;
    for (int card = 0; card < 2; ++card)
        if (cards.hole(You, card) != VisibleCards::kNone) yours << cardName(cards.hole(You, card));
    QStringList lines{"Your cards: " + (yours.isEmpty() ? QString("none") : yours.join(", ")),
                      "Board: " + boardCards(cards)};
    for (int seat : kSeatOrder) lines << seatLine(display, cards, seat);
    lines << "Pot: " + QString::fromStdString(display.betsize);
    if (!display.theresult.text.empty()) lines << "Result: " + QString::fromStdString(display.theresult.text);
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

void describe(TableCanvas& canvas, const Display& display) {
    const QString text = describeTable(display, canvas.cards());
    if (canvas.accessibleDescription() != text) canvas.setAccessibleDescription(text);
}

}  // namespace trelvist::ui
