#include "history/hand_text.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <span>
#include <utility>

#include "game/seats.h"
#include "game/table.h"
#include "history/hand_history.h"
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

// The big bets of the fixed-limit ring games the room runs.
constexpr std::array<int32_t, 26> kRoomBigBets{1,   2,   4,   6,   8,    10,   16,   20,    30,    40,    50,    60, 80,
                                               100, 150, 200, 400, 500,  600,  800,  1000,  2000,  4000,  10000,
                                               20000, 40000};

bool isRoomStake(int32_t bigBet) {
    return std::find(kRoomBigBets.begin(), kRoomBigBets.end(), bigBet) != kRoomBigBets.end();
}

// "2026/12/08 14:45:01 CET [2026/12/08 8:45:01 ET]": the local time, then the same moment in
// US Eastern time, which is the one readers take.
std::string clockText(int64_t time) {
    const auto text = [](const WallTime& t) {
        char out[64];
        std::snprintf(out, sizeof out, "%04d/%02d/%02d %d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                      t.second);
        return std::string(out) + (t.zone.empty() ? "" : " " + t.zone);
    };
    return text(wallTime(time)) + " [" + text(easternTime(time)) + "]";
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
        for (int seat : kSeatOrder) sittingOut_[seat] = hand.start.cash[seat] <= 0;
        for (const HandEvent& event : hand.events) {
            if (const auto* post = std::get_if<BlindPost>(&event)) {
                (post->big ? bigBlind_ : smallBlind_) = post->seat;
                unpaidBlinds_ += post->amount - post->paid;
            }
            // A seat without chips that still plays is not sitting out.
            if (const auto* action = std::get_if<Action>(&event)) sittingOut_[action->seat] = false;
            if (const auto* shown = std::get_if<Shown>(&event)) sittingOut_[shown->seat] = false;
            if (const auto* payment = std::get_if<Payment>(&event)) sittingOut_[payment->seat] = false;
        }
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
        if (post.paid > 0)
            line(name(post.seat) + ": posts " + (post.big ? "big" : "small") + " blind " + num(post.paid));
        if (sittingOut_[post.seat]) line(name(post.seat) + ": is sitting out");
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
        const std::string limits = "(" + num(start.smallBet) + "/" + num(start.bigBet) + ")";
        // One table a game, so that a reader carries each seat's stack from hand to hand.
        std::string table;
        if (isRoomStake(start.bigBet)) {
            // Play money: the chips are the game's own, with no currency.
            line("PokerStars Hand #" + num(hand_.number) + ":  Hold'em Limit " + limits + " - " +
                 clockText(hand_.time));
            table = "Table 'Trelvist " + levelName(start.level) + " " + num(hand_.game % kFirstHandNumber) +
                    "' 8-max (Play Money)";
        } else {
            // Readers know a ring game's blinds from its stakes alone and refuse stakes the room
            // never ran; a freeroll's level may have any limits. The game is the tournament.
            line("PokerStars Hand #" + num(hand_.number) + ": Tournament #" + num(hand_.game) +
                 ", Freeroll  Hold'em Limit - Level I " + limits + " - " + clockText(hand_.time));
            table = "Table '" + num(hand_.game) + " 1' 8-max";
        }
        // The button sits just before the small blind in the order of play.
        if (smallBlind_) table += " Seat #" + num(seatNumber(seatBefore(smallBlind_))) + " is the button";
        line(table);
        // The format has no stacks below zero: a seat in debt shows none, and its chips in and
        // out are written as they are.
        for (int seat : kSeatOrder)
            line("Seat " + num(seatNumber(seat)) + ": " + name(seat) + " (" +
                 num(std::max(start.cash[seat], int32_t{0})) + " in chips)" +
                 (sittingOut_[seat] ? " is sitting out" : ""));
    }

    void holeCards() {
        if (holeCardsTold_) return;
        holeCardsTold_ = true;
        line("*** HOLE CARDS ***");
        // A seat without chips pays nothing for its blind, yet the pot holds it. The format has
        // one line for chips that no player put in, so each player's chips in stay exactly what
        // left its stack, and the pot still adds up.
        if (unpaidBlinds_ > 0) line("STP added: " + num(unpaidBlinds_));
        line("Dealt to You " + cardList(hand_.start.yourCards));
    }

    // Chips of the pot that nobody is paid, such as the odd chips of a split pot, are the
    // format's rake: what leaves the pot to no player.
    void summary() {
        int64_t paid = 0;
        for (const SeatFacts& f : facts_) paid += f.won;
        const int64_t rake = hand_.pot - paid;
        line("*** SUMMARY ***");
        line("Total pot " + num(hand_.pot) +
             (unpaidBlinds_ > 0 ? " | Main pot " + num(hand_.pot - unpaidBlinds_) + " | STP " + num(unpaidBlinds_)
                                : "") +
             " | Rake " + num(rake));
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
        if (sittingOut_[seat]) return "sat out";
        // A seat that spent its last chip in the hand is left out of the showdown.
        return "lost (no chips left for the showdown)";
    }

    const HandRecord& hand_;
    std::string out_;
    int smallBlind_ = 0, bigBlind_ = 0;
    int street_ = kPreflop;
    std::array<int64_t, kSeatSlots> inStreet_{};  // each seat's chips in the pot on this street
    int64_t highest_ = 0;
    int64_t unpaidBlinds_ = 0;
    std::array<bool, kSeatSlots> sittingOut_{};  // no chips at the start, and no part in the hand
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
