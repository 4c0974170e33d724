#include "history/hand_reader.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string>

#include "game/seats.h"
#include "history/hand_history.h"

namespace trelvist::history {

namespace {

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

int64_t numberAt(std::string_view text, size_t at) {
    int64_t value = 0;
    while (at < text.size() && text[at] == ' ') ++at;
    if (at < text.size()) std::from_chars(text.data() + at, text.data() + text.size(), value);
    return value;
}

// The number right after the first `marker`; 0 when there is none.
int64_t numberAfter(std::string_view text, std::string_view marker) {
    const size_t at = text.find(marker);
    return at == std::string_view::npos ? 0 : numberAt(text, at + marker.size());
}

bool parseCard(std::string_view text, Card& card) {
    static constexpr std::string_view kRanks = "23456789TJQKA", kSuits = "cdhs";
    if (text.size() < 2) return false;
    const size_t rank = kRanks.find(text[0]), suit = kSuits.find(text[1]);
    if (rank == std::string_view::npos || suit == std::string_view::npos) return false;
    card = Card{int32_t(suit), int32_t(rank)};
    return true;
}

// The cards of every "[..]" group of the line, in order.
std::vector<Card> cardsOf(std::string_view line) {
    std::vector<Card> cards;
    for (size_t open = line.find('['); open != std::string_view::npos; open = line.find('[', open + 1)) {
        const size_t close = line.find(']', open);
        if (close == std::string_view::npos) break;
        for (size_t at = open + 1; at + 1 < close; at += 3) {
            Card card;
            if (parseCard(line.substr(at, 2), card)) cards.push_back(card);
        }
    }
    return cards;
}

// The seat whose name begins the line and is followed by `after`; 0 for none.
int seatOfLine(std::string_view line, std::string_view after) {
    for (int seat : kSeatOrder) {
        const std::string_view name = kSeatName[seat];
        if (startsWith(line, name) && startsWith(line.substr(name.size()), after)) return seat;
    }
    return 0;
}

class HandReader {
public:
    std::vector<HandRecord> read(std::string_view text) {
        size_t at = 0;
        while (at < text.size()) {
            size_t end = text.find('\n', at);
            if (end == std::string_view::npos) end = text.size();
            std::string_view line = text.substr(at, end - at);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            take(line);
            at = end + 1;
        }
        return std::move(hands_);
    }

private:
    void take(std::string_view line) {
        if (startsWith(line, "PokerStars Hand #") || startsWith(line, "Trelvist Hand #")) return header(line);
        if (hands_.empty()) return;
        HandRecord& hand = hands_.back();
        if (startsWith(line, "Table '")) return table(hand, line);
        if (startsWith(line, "Seat ") && !summary_) return seatLine(hand, line);
        if (startsWith(line, "Dealt to You")) {
            const std::vector<Card> cards = cardsOf(line);
            if (cards.size() == 2) std::copy(cards.begin(), cards.end(), hand.start.yourCards.begin());
            return;
        }
        if (startsWith(line, "*** FLOP ***")) return streetLine(hand, kFlop, line);
        if (startsWith(line, "*** TURN ***")) return streetLine(hand, kTurn, line);
        if (startsWith(line, "*** RIVER ***")) return streetLine(hand, kRiver, line);
        if (startsWith(line, "*** SUMMARY ***")) {
            summary_ = true;
            return;
        }
        if (startsWith(line, "Total pot ")) {
            hand.pot = int32_t(numberAt(line, 10));
            hand.state = HandState::Finished;
            return;
        }
        if (summary_) return;
        if (int seat = seatOfLine(line, ": posts "); seat) return blind(hand, seat, line);
        if (int seat = seatOfLine(line, ": shows "); seat) return shown(hand, seat, line);
        if (int seat = seatOfLine(line, " collected "); seat)
            return hand.events.push_back(Payment{seat, int32_t(numberAt(line, line.find("collected") + 9))});
        if (int seat = seatOfLine(line, ": "); seat) action(hand, seat, line.substr(std::string_view(kSeatName[seat]).size() + 2));
    }

    void header(std::string_view line) {
        HandRecord hand;
        hand.number = numberAfter(line, "Hand #");
        const size_t limits = line.find('(');
        if (limits != std::string_view::npos) {
            hand.start.smallBet = int32_t(numberAt(line, limits + 1));
            hand.start.bigBet = int32_t(numberAfter(line.substr(limits), "/"));
        }
        hand.start.smallBlind = hand.start.smallBet / 2;
        hand.start.bigBlind = hand.start.smallBet;
        hand.start.cash.fill(0);
        // Older layouts do not name the game: a hand goes on the game of the one before.
        hand.game = hands_.empty() ? hand.number : hands_.back().game;
        hands_.push_back(std::move(hand));
        inStreet_ = {};
        summary_ = false;
    }

    void table(HandRecord& hand, std::string_view line) {
        // "Table 'Trelvist Expert 12' ...": the game's first hand, less the offset of numbers.
        const size_t close = line.find('\'', 7);
        const std::string_view name = line.substr(7, close == std::string_view::npos ? 0 : close - 7);
        const size_t space = name.rfind(' ');
        if (space != std::string_view::npos && space + 1 < name.size() &&
            std::isdigit(static_cast<unsigned char>(name[space + 1])))
            hand.game = kFirstHandNumber + numberAt(name, space + 1);
    }

    void seatLine(HandRecord& hand, std::string_view line) {
        const size_t colon = line.find(": ");
        if (colon == std::string_view::npos) return;
        const int seat = seatOfLine(line.substr(colon + 2), " (");
        if (seat) hand.start.cash[seat] = int32_t(numberAfter(line.substr(colon), "("));
    }

    void streetLine(HandRecord& hand, int street, std::string_view line) {
        const std::vector<Card> cards = cardsOf(line);
        for (size_t i = 0; i < cards.size() && i < hand.start.board.size(); ++i) hand.start.board[i] = cards[i];
        hand.events.push_back(StreetTurned{street});
        inStreet_ = {};
    }

    void blind(HandRecord& hand, int seat, std::string_view line) {
        const bool big = line.find("big blind") != std::string_view::npos;
        const int32_t paid = int32_t(numberAfter(line, "blind "));
        const int32_t amount = big ? hand.start.bigBlind : hand.start.smallBlind;
        hand.events.push_back(BlindPost{seat, big, std::max(amount, paid), paid});
        inStreet_[seat] += std::max(amount, paid);
    }

    void shown(HandRecord& hand, int seat, std::string_view line) {
        Shown show{seat, {}, {}};
        const std::vector<Card> cards = cardsOf(line);
        if (cards.size() >= 2) show.cards = {cards[0], cards[1]};
        const size_t open = line.find('(', line.find(']'));
        const size_t close = line.rfind(')');
        if (open != std::string_view::npos && close > open) show.handName = line.substr(open + 1, close - open - 1);
        hand.events.push_back(std::move(show));
    }

    void action(HandRecord& hand, int seat, std::string_view what) {
        int32_t amount = 0;
        Move move;
        if (startsWith(what, "checks")) move = Move::Check;
        else if (startsWith(what, "folds")) move = Move::Fold;
        else if (startsWith(what, "calls ")) move = Move::Call, amount = int32_t(numberAt(what, 6));
        else if (startsWith(what, "bets ")) move = Move::Raise, amount = int32_t(numberAt(what, 5));
        else if (startsWith(what, "raises ")) move = Move::Raise, amount = int32_t(numberAfter(what, " to ") - inStreet_[seat]);
        else return;
        inStreet_[seat] += amount;
        hand.events.push_back(Action{seat, move, amount});
    }

    std::vector<HandRecord> hands_;
    std::array<int64_t, kSeatSlots> inStreet_{};
    bool summary_ = false;
};

}  // namespace

std::vector<HandRecord> readHands(std::string_view text) { return HandReader().read(text); }

}  // namespace trelvist::history
