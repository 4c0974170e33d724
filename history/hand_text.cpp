#include "history/hand_text.h"

#include <algorithm>
#include <cstdio>
#include <span>
#include <utility>

#include "game/seats.h"
#include "game/table.h"
#include "history/wall_time.h"

namespace trelvist::history {

namespace {

constexpr std::array<const char*, kLevelValues.size()> kLevelNames{"Amateur", "Expert", "Master", "Genius"};
constexpr std::array<const char*, 5> kStreetHeading{"", "", "FLOP", "TURN", "RIVER"};
constexpr std::array<const char*, 5> kFoldedOn{"", "before Flop", "on the Flop", "on the Turn", "on the River"};

std::string name(int seat) { return kSeatName[seat]; }
std::string num(int64_t value) { return std::to_string(value); }

// Seats are numbered in the order of play, from You (1) to Robot (8).
int seatNumber(int seat) { return kSeatSlots - seat; }

std::string cardList(std::span<const Card> cards) {
    std::string text = "[";
    for (const Card& card : cards) text += (text.size() > 1 ? " " : "") + cardText(card);
    return text + "]";
}

// A street line's cards: the flop's three; for the turn and the river, the board before them,
// then the new card.
std::string streetCards(std::span<const Card> board, int street) {
    if (street == kFlop) return cardList(board.first(3));
    const int before = boardCardsOf(street - 1);
    return cardList(board.first(before)) + " " + cardList(board.subspan(before, 1));
}

std::string levelName(int32_t level) {
    const auto* known = std::find(kLevelValues.begin(), kLevelValues.end(), level);
    return known != kLevelValues.end() ? kLevelNames[known - kLevelValues.begin()] : "level " + num(level);
}

std::string clockText(int64_t time) {
    const WallTime t = wallTime(time);
    char text[64];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return t.zone.empty() ? text : text + (" " + t.zone);
}

// What the summary says of a seat, gathered while the hand is written.
struct SeatFacts {
    int foldedOn = 0;  // the street of its fold; 0 if it did not fold
    bool putIn = false;
    const Shown* shown = nullptr;
    bool collected = false;
    int64_t won = 0;
};

// Writes the events in order, keeping what each street's lines and the summary need.
class HandWriter {
public:
    explicit HandWriter(const HandRecord& hand) : hand_(hand) {
        for (const HandEvent& event : hand.events)
            if (const auto* post = std::get_if<BlindPost>(&event)) (post->big ? bigBlind_ : smallBlind_) = post->seat;
    }

    std::string write() {
        header();
        for (const HandEvent& event : hand_.events) {
            if (!std::holds_alternative<BlindPost>(event)) holeCards();
            std::visit(*this, event);
        }
        holeCards();
        if (hand_.state == HandState::Finished) summary();
        return std::move(out_);
    }

    void operator()(const BlindPost& post) {
        line(name(post.seat) + ": posts " + (post.big ? "big" : "small") + " blind " + num(post.amount) +
             (post.paid < post.amount ? " (not paid: no chips)" : ""));
        addToStreet(post.seat, post.amount);
        if (post.paid > 0) facts_[post.seat].putIn = true;
    }

    void operator()(const Action& action) {
        const int seat = action.seat;
        switch (action.move) {
        case Move::Check: line(name(seat) + ": checks"); break;
        case Move::Fold:
            line(name(seat) + ": folds");
            facts_[seat].foldedOn = street_;
            break;
        case Move::Call: line(name(seat) + ": calls " + num(action.amount)); break;
        case Move::Raise: {
            // Fixed limit: every raise is the street's bet. "to" is all the seat has put in on
            // the street, so a reader adds up exactly the chips that moved.
            const int64_t total = inStreet_[seat] + action.amount;
            const int32_t bet = street_ <= kFlop ? hand_.start.smallBet : hand_.start.bigBet;
            line(name(seat) + (highest_ == 0 ? ": bets " + num(action.amount)
                                             : ": raises " + num(bet) + " to " + num(total)));
            break;
        }
        }
        addToStreet(seat, action.amount);
        if (action.amount > 0) facts_[seat].putIn = true;
    }

    void operator()(const StreetTurned& turned) {
        street_ = turned.street;
        inStreet_ = {};
        highest_ = 0;
        line(std::string("*** ") + kStreetHeading[street_] + " *** " + streetCards(hand_.start.board, street_));
    }

    void operator()(const Shown& shown) {
        if (!showdownTold_) line("*** SHOW DOWN ***");
        showdownTold_ = true;
        line(name(shown.seat) + ": shows " + cardList(shown.cards) + " (" + shown.handName + ")");
        facts_[shown.seat].shown = &shown;
    }

    void operator()(const Payment& payment) {
        line(name(payment.seat) + " collected " + num(payment.amount) + " from pot");
        facts_[payment.seat].collected = true;
        facts_[payment.seat].won += payment.amount;
    }

private:
    void line(const std::string& text) {
        out_ += text;
        out_ += '\n';
    }

    void addToStreet(int seat, int64_t amount) {
        inStreet_[seat] += amount;
        highest_ = std::max(highest_, inStreet_[seat]);
    }

    void header() {
        const HandStart& start = hand_.start;
        line("Trelvist Hand #" + num(hand_.number) + ": Hold'em Limit (" + num(start.smallBet) + "/" +
             num(start.bigBet) + ") - " + clockText(hand_.time));
        std::string table = "Table 'Trelvist " + levelName(start.level) + "' 8-max";
        // The button sits just before the small blind in the order of play.
        if (smallBlind_) table += " Seat #" + num(seatNumber(seatBefore(smallBlind_))) + " is the button";
        line(table);
        for (int seat : kSeatOrder)
            line("Seat " + num(seatNumber(seat)) + ": " + name(seat) + " (" + num(start.cash[seat]) + " in chips)" +
                 (start.cash[seat] <= 0 ? " is sitting out" : ""));
    }

    void holeCards() {
        if (holeCardsTold_) return;
        holeCardsTold_ = true;
        line("*** HOLE CARDS ***");
        line("Dealt to You " + cardList(hand_.start.yourCards));
    }

    void summary() {
        line("*** SUMMARY ***");
        line("Total pot " + num(hand_.pot) + " | Rake 0");
        const int shown = boardCardsOf(lastStreetShown(hand_));
        if (shown > 0) line("Board " + cardList(std::span<const Card>(hand_.start.board).first(shown)));
        for (int seat : kSeatOrder)
            line("Seat " + num(seatNumber(seat)) + ": " + name(seat) + position(seat) + " " + result(seat));
    }

    std::string position(int seat) const {
        if (smallBlind_ && seat == seatBefore(smallBlind_)) return " (button)";
        if (seat == smallBlind_) return " (small blind)";
        if (seat == bigBlind_) return " (big blind)";
        return "";
    }

    std::string result(int seat) const {
        const SeatFacts& f = facts_[seat];
        if (f.shown)
            return "showed " + cardList(f.shown->cards) +
                   (f.collected ? " and won (" + num(f.won) + ") with " : " and lost with ") + f.shown->handName;
        if (f.collected) return "collected (" + num(f.won) + ")";
        if (f.foldedOn)
            return std::string("folded ") + kFoldedOn[f.foldedOn] +
                   (f.foldedOn == kPreflop && !f.putIn ? " (didn't bet)" : "");
        if (hand_.start.cash[seat] <= 0) return "sat out";
        // A seat that spent its last chip in the hand is left out of the showdown.
        return "lost (no chips left for the showdown)";
    }

    const HandRecord& hand_;
    std::string out_;
    int smallBlind_ = 0, bigBlind_ = 0;
    int street_ = kPreflop;
    std::array<int64_t, kSeatSlots> inStreet_{};  // each seat's chips in the pot on this street
    int64_t highest_ = 0;
    bool holeCardsTold_ = false;
    bool showdownTold_ = false;
    std::array<SeatFacts, kSeatSlots> facts_{};
};

}  // namespace

std::string cardText(Card card) {
    static constexpr char kRanks[] = "23456789TJQKA";
    static constexpr char kSuits[] = "cdhs";
    return {kRanks[card.rank], kSuits[card.suit]};
}

std::string handText(const HandRecord& hand) { return HandWriter(hand).write(); }

std::string handTitle(const HandRecord& hand) {
    const WallTime t = wallTime(hand.time);
    char clock[16];
    std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    std::string title = "#" + num(hand.number) + "  " + clock + "  ";
    switch (hand.state) {
    case HandState::InProgress: return title + "in progress";
    case HandState::Unfinished: return title + "not finished";
    case HandState::Finished: return title + hand.result + ", pot " + num(hand.pot);
    }
    return title;
}

}  // namespace trelvist::history
